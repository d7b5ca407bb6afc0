#include <gtest/gtest.h>

#include "edit/beams.h"
#include "edit/groups.h"
#include "edit/slurs.h"
#include "edit/triplets.h"
#include "rhythm/durations.h"
#include "tests/edit/edit_fixture.h"

namespace selvika {
namespace {

using Groups = test::Düzenleme;

std::optional<std::vector<Byte>> desen(const std::vector<int>& süreler, std::vector<bool> noktalar = {}) {
    std::vector<GurupÜyesi> üyeler;
    noktalar.resize(süreler.size());
    for (std::size_t i = 0; i < süreler.size(); ++i) üyeler.push_back({static_cast<Byte>(süreler[i]), noktalar[i]});
    return kirişDeseni(üyeler);
}

TEST(BeamPatterns, KnownGroups) {
    struct Durum {
        std::vector<int> süreler;
        std::vector<bool> noktalar;
        std::optional<std::vector<Byte>> kodlar;
    };
    const Durum durumlar[] = {
        {{8, 8, 8, 8}, {}, {{0, 0, 0}}},  // equal neighbours share all their beams
        {{16, 16, 16, 16}, {}, {{3, 3, 3}}},
        {{64, 64, 64, 64}, {}, {{9, 9, 9}}},
        {{8, 16, 32, 8}, {}, {{0, 5, 0}}},  // a short note starts its beams towards the nearer value
        {{16, 8, 16}, {}, {{1, 2}}},
        {{8, 16, 8}, {true, false, false}, {{2, 0}}},  // a dotted neighbour draws the short note's beam
        {{8, 16, 8}, {false, false, true}, {{0, 1}}},
        {{8, 4}, {}, std::nullopt},  // a quarter has no pattern
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(::testing::PrintToString(d.süreler) + ::testing::PrintToString(d.noktalar));
        EXPECT_EQ(desen(d.süreler, d.noktalar), d.kodlar);
    }
    GurupÜyesi üyeler[] = {{8, false}, {16, false}, {32, false}, {8, false}};
    EXPECT_EQ(desenAnahtarı(üyeler), 1241);
}

TEST(BeamPatterns, TwoMembersGetTheirPairCode) {
    for (Byte kod = 0; kod < kirişKodları.size(); ++kod)
        EXPECT_EQ(desen({kirişKodları[kod].sol, kirişKodları[kod].sağ}), std::vector<Byte>{kod}) << int{kod};
}

// Every group of 3 to 5 members whose neighbours differ by one value at
// most: the codes give each member its value back and join neighbours on
// exactly the beams they share.
TEST(BeamPatterns, EveryStepwiseGroupReadsBackItsValues) {
    for (int n = 3; n <= 5; ++n) {
        for (int kod = 0; kod < (1 << (2 * n)); ++kod) {
            std::vector<int> seviye;
            for (int i = 0; i < n; ++i) seviye.push_back((kod >> (2 * i)) & 3);
            bool adımlı = true;
            for (int i = 0; i + 1 < n; ++i) adımlı &= std::abs(seviye[i] - seviye[i + 1]) <= 1;
            if (!adımlı) continue;
            Satır s;
            s.elemanSayısı = static_cast<Byte>(n);
            std::vector<GurupÜyesi> üyeler;
            for (int i = 0; i < n; ++i) üyeler.push_back({static_cast<Byte>(8 << seviye[i]), false});
            const auto kodlar = kirişDeseni(üyeler).value();
            for (int j = 1; j <= n; ++j) {
                s.elemanlar[j].gurup.gurupYeri = j == 1 ? 1 : j == n ? 3 : 2;
                if (j < n) s.elemanlar[j].gurup.kiriş = kodlar[j - 1];
            }
            for (int j = 1; j <= n; ++j) ASSERT_EQ(kirişSüresi(s, j), üyeler[j - 1].süre) << desenAnahtarı(üyeler);
            for (int i = 0; i + 1 < n; ++i) {
                const KirişKodu k = kirişKodları[kodlar[i]];
                ASSERT_EQ(std::min(k.sol, k.sağ), std::min(üyeler[i].süre, üyeler[i + 1].süre));
            }
        }
    }
}

TEST_F(Groups, TwoEighthsAndASixteenthWithAnEighth) {
    notalar({8, 8, 16, 8});
    ASSERT_TRUE(gurupKur(satır(), 1, 2, kullanıcı));
    ASSERT_TRUE(gurupKur(satır(), 3, 4, kullanıcı));
    EXPECT_EQ(std::tuple(e(1).gurup.gurupYeri, e(2).gurup.gurupYeri, e(1).gurup.kiriş, e(3).gurup.kiriş),
              std::tuple(1, 3, 0, 1));
    EXPECT_TRUE(kullanıcı.ikazlar.empty());
}

TEST_F(Groups, AQuarterKeepsTheMarkersButNotNewCodes) {
    notalar({8, 4, 8});
    e(1).gurup.kiriş = 7;
    ASSERT_TRUE(gurupKur(satır(), 1, 3, kullanıcı));
    EXPECT_EQ(kullanıcı.metinler(), std::vector<std::string>{gurupGeçersizNota});
    EXPECT_EQ(std::tuple(e(1).gurup.gurupYeri, e(3).gurup.gurupYeri, e(1).gurup.kiriş), std::tuple(1, 3, 7));
}

TEST_F(Groups, TheBuilderRefusesAnElementThatIsNoNoteOrAlreadyBeamed) {
    notalar({8, 8, 8});
    e(2).tür = tür::sus;
    const Satır önce = satır();
    EXPECT_FALSE(gurupKur(satır(), 1, 3, kullanıcı));
    EXPECT_EQ(satır(), önce);
    e(2).tür = 12;
    gurupla(2, 3);
    EXPECT_FALSE(gurupKur(satır(), 1, 2, kullanıcı));
    EXPECT_EQ(kullanıcı.ikazlar, (std::vector<std::string>{"arada nota olmayan eleman var !",
                                                            "gurubun son notası başka bir gurup altında  !"}));
}

TEST_F(Groups, ATripletIsBeamedOnlyWhenItsValuesAddUp) {
    const std::pair<std::array<int, 3>, bool> durumlar[] = {
        {{8, 8, 8}, true}, {{16, 16, 16}, true}, {{32, 32, 32}, true}, {{64, 64, 64}, true}, {{8, 8, 4}, false}};
    for (const auto& [süreler, kurulur] : durumlar) {
        SCOPED_TRACE(::testing::PrintToString(süreler));
        satır().elemanSayısı = 0;
        notalar({0, 0, 0});
        for (int j = 1; j <= 3; ++j)
            e(j).süre = static_cast<Byte>(süreler[j - 1]), e(j).triole.trioleYeri = static_cast<Byte>(j), e(j).gurup = {};
        EXPECT_EQ(gurupKur(satır(), 1, 3, kullanıcı), kurulur);
    }
    EXPECT_EQ(kullanıcı.ikazlar.back(), "Triole altındaki notaların süreleri eşit değil veya dörtlük notalar var!");
}

TEST_F(Groups, DifferentValuesAskWhichIsRightAndOnlyOneToThreeIsAnAnswer) {
    notalar({8, 8, 16});
    e(1).nokta = 1;
    kullanıcı.girdiler = {"4", "3"};
    const Satır önce = satır();
    EXPECT_FALSE(trioleDeğiştir(satır(), 3, kullanıcı));
    EXPECT_EQ(satır(), önce);
    EXPECT_EQ(kullanıcı.metinler().back(), farklıNotalar);
    ASSERT_TRUE(trioleDeğiştir(satır(), 3, kullanıcı));
    EXPECT_EQ(kullanıcı.mesajlar.back().metin,
              "notalar farklı, hangisi doğru ?\n\nİlk nota doğru ise 1 girin.\nOrta nota doğru ise 2 girin.\n"
              "Son nota doğru ise 3 girin.");
    EXPECT_EQ(kullanıcı.mesajlar.back().başlık, "Selvika");
    for (int j = 1; j <= 3; ++j)
        EXPECT_EQ(std::tuple(e(j).süre, e(j).nokta, e(j).gurup.gurupYeri, e(j).triole.trioleYeri), std::tuple(16, 0, j, j));
    EXPECT_EQ(std::tuple(e(1).gurup.kiriş, e(2).gurup.kiriş), std::tuple(3, 3));
}

TEST_F(Groups, ThreeQuartersMakeAnUnbeamedTripletTheMiddleNoteCancelsIt) {
    notalar({4, 4, 4});
    ASSERT_TRUE(trioleDeğiştir(satır(), 3, kullanıcı));
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(std::tuple(e(j).triole.trioleYeri, e(j).gurup.gurupYeri), std::tuple(j, 0));
    e(1).triole.parantezYüksekliği = 9;
    ASSERT_TRUE(trioleDeğiştir(satır(), 2, kullanıcı));
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(e(j).triole, TrioleBloğu{}) << j;
}

TEST_F(Groups, ABeamedTripletNeedsEqualValues) {
    notalar({8, 16, 16, 8});
    gurupla(1, 4);
    e(1).gurup.kiriş = 2;
    e(2).gurup.kiriş = 3;
    e(3).gurup.kiriş = 1;
    EXPECT_FALSE(trioleDeğiştir(satır(), 3, kullanıcı));
    EXPECT_EQ(kullanıcı.ikazlar.back(), "seçilen notaların süreleri eşit değil.");
    EXPECT_FALSE(trioleDeğiştir(satır(), 4, kullanıcı)) << "key 223 with values 16, 16, 8";
    e(1).gurup.kiriş = 3;
    ASSERT_TRUE(trioleDeğiştir(satır(), 3, kullanıcı)) << "key 122, three sixteenths";
    EXPECT_EQ(std::tuple(e(1).triole.trioleYeri, e(3).triole.trioleYeri), std::tuple(1, 3));
}

TEST_F(Groups, ASlurIsMadeOnceAndAnOverlappingOneTakesTheNextLayer) {
    notalar({4, 4, 4, 4});
    ASSERT_TRUE(liezonYap(satır(), 1, 3, kullanıcı));
    EXPECT_EQ(std::tuple(e(1).yay[1].durum, e(2).yay[1].durum, e(3).yay[1].durum), std::tuple(1, 2, 3));
    const Satır önce = satır();
    EXPECT_FALSE(liezonYap(satır(), 1, 3, kullanıcı));
    EXPECT_EQ(satır(), önce);
    EXPECT_EQ(kullanıcı.ikazlar.back(), "seçtiğiniz notalar arasında zaten bir liezon mevcut");
    ASSERT_TRUE(liezonYap(satır(), 2, 4, kullanıcı));
    EXPECT_EQ(std::tuple(e(2).yay[2].durum, e(4).yay[2].durum, e(2).yay[2].yayYükseklik),
              std::tuple(1, 3, yeniYayYüksekliği(2, 4)));
}

TEST_F(Groups, ASlurNeedsNotesWithTheSameStem) {
    notalar({4, 4});
    sapHarfiKoy(e(2), sapDik);
    EXPECT_FALSE(liezonYap(satır(), 1, 2, kullanıcı));
    e(2).tür = tür::boşluk;
    EXPECT_TRUE(liezonYap(satır(), 1, 2, kullanıcı)) << "an empty element joins any stem";
}

TEST_F(Groups, FlippingABeamedNoteFlipsItsGroupAndDropsItsEndSlurs) {
    notalar({8, 8, 8});
    ASSERT_TRUE(gurupKur(satır(), 1, 3, kullanıcı));
    ASSERT_TRUE(liezonYap(satır(), 1, 3, kullanıcı));
    ASSERT_TRUE(sapÇevir(satır(), 2, kullanıcı));
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(std::tuple(sapHarfi(e(j)), e(j).yay[1].durum), std::tuple(sapDik, 0)) << j;
}

}  // namespace
}  // namespace selvika
