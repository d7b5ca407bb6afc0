#include "edit/range_marks.h"

#include <gtest/gtest.h>

#include <tuple>

#include "edit/note_entry.h"
#include "edit/palette_placement.h"
#include "edit/spans.h"
#include "tests/edit/line_builder.h"
#include "tests/support/line_values.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

struct ModMesajları {
    DüzenModu mod;
    Aralık aralık;
    std::string başlangıç, bitiş;
};

class RangeMarks : public ::testing::TestWithParam<ModMesajları> {
protected:
    std::vector<int> işaretler() const {
        return test::herEleman(satır, [](const Eleman& e) { return aralıkİşareti(e, GetParam().aralık); });
    }
    bool reddedildi(int basX, int bırakX, const std::string& ikaz) {
        const Satır önce = satır;
        const bool oldu = aralıkİşaretle(satır, GetParam().mod, basX, bırakX, kullanıcı);
        return !oldu && satır == önce && kullanıcı.ikazlar == std::vector<std::string>{ikaz};
    }

    Satır satır = test::dizilmişSatır(5);  // elements at 20, 40, .. 100, 10 wide
    test::SenaryoluEtkileşim kullanıcı;
};

TEST_P(RangeMarks, ADragWithinEightUnitsMarksItsElements) {
    // 39 lies 9 beyond element 1 and 7 before element 2.
    ASSERT_TRUE(aralıkİşaretle(satır, GetParam().mod, 39, 81, kullanıcı));
    EXPECT_EQ(işaretler(), (std::vector<int>{0, 1, 2, 3, 0}));
    EXPECT_TRUE(kullanıcı.ikazlar.empty());
}

TEST_P(RangeMarks, APressBehindTheLastElementShowsTheStartMessage) {
    EXPECT_TRUE(reddedildi(140, 150, GetParam().başlangıç));
}

TEST_P(RangeMarks, AReleaseBesideEveryElementShowsTheEndMessage) {
    EXPECT_TRUE(reddedildi(25, 150, GetParam().bitiş));
}

INSTANTIATE_TEST_SUITE_P(
    EveryMode, RangeMarks,
    ::testing::Values(ModMesajları{DüzenModu::kresendo, Aralık::kresendo,
                                   "seçilen yerin başlangıcı kresendo için uygun degil",
                                   "seçilen yerin bitişi kresendo için uygun degil"},
                      ModMesajları{DüzenModu::hece, Aralık::heceÇizgi, "seçilen yerin başlangıcı güfteye uygun degil",
                                   "seçilen yerin bitişi güfteye uygun degil"},
                      ModMesajları{DüzenModu::dolap, Aralık::dolap, "seçilen yerin başlangıcı dolap için uygun degil",
                                   "seçilen yerin bitişi dolap için uygun degil"}),
    [](const auto& bilgi) { return std::to_string(static_cast<int>(bilgi.param.mod)); });

TEST(RangeMark, ADolapOverOneElementIsRefused) {
    Satır satır = test::dizilmişSatır(3);
    const Satır önce = satır;
    test::SenaryoluEtkileşim kullanıcı;
    EXPECT_FALSE(aralıkİşaretle(satır, DüzenModu::dolap, 41, 49, kullanıcı));
    EXPECT_EQ(satır, önce);
    EXPECT_EQ(kullanıcı.ikazlar, std::vector<std::string>{"tek eleman üzerine dolap konulamaz."});
}

TEST(RangeMark, TheSelectedRangeOfADrag) {
    const Satır satır = test::dizilmişSatır(5);
    EXPECT_EQ(std::tuple(sürüklenenAralık(satır, 69, 25)->ilk, sürüklenenAralık(satır, 69, 25)->son), std::tuple(1, 3));
    EXPECT_FALSE(sürüklenenAralık(satır, 0, 25));
}

class PalettePlacement : public ::testing::Test {
protected:
    bool reddedildi(int x, const std::string& ikaz) {
        const Satır önce = satır;
        const Yerleştirme sonuç = paletElemanıYerleştir(satır, sus, x, kullanıcı);
        return sonuç == Yerleştirme::reddedildi && satır == önce && kullanıcı.ikazlar == std::vector<std::string>{ikaz};
    }

    Satır satır = test::dizilmişSatır(5);
    Eleman sus = susElemanı(8);
    test::SenaryoluEtkileşim kullanıcı;
};

TEST_F(PalettePlacement, TheElementGoesIntoTheClickedGap) {
    ASSERT_EQ(paletElemanıYerleştir(satır, sus, test::araX(2), kullanıcı), Yerleştirme::yerleşti);
    EXPECT_EQ(std::tuple(satır.elemanSayısı, satır.elemanlar[3].tür, satır.elemanlar[3].süre, satır.elemanlar[4].konum.x),
              std::tuple(6, tür::sus, 8, 60));
}

TEST_F(PalettePlacement, AClickOnAnElementPlacesNothing) {
    const Satır önce = satır;
    const int üstünde = satır.elemanlar[2].konum.x + 1;
    EXPECT_EQ(paletElemanıYerleştir(satır, sus, üstünde, kullanıcı), Yerleştirme::elemanÜstünde);
    EXPECT_EQ(satır, önce);
    EXPECT_TRUE(kullanıcı.ikazlar.empty());
}

TEST_F(PalettePlacement, AFullLineIsRefused) {
    satır = test::dizilmişSatır(60);
    EXPECT_TRUE(reddedildi(test::araX(60), "satır doldu"));
}

TEST_F(PalettePlacement, GroupsAndTripletsAreRefused) {
    satır.elemanlar[2].gurup.gurupYeri = 1;
    satır.elemanlar[3].gurup.gurupYeri = 3;
    EXPECT_TRUE(reddedildi(test::araX(2), "gurup içine giremez"));
    kullanıcı.ikazlar.clear();
    satır.elemanlar[4].triole.trioleYeri = 1;
    satır.elemanlar[5].triole.trioleYeri = 2;
    EXPECT_TRUE(reddedildi(test::araX(4), "Triole içine giremez"));
}

// A key signature or an usul goes into a gap like a rest, but not beside
// another of its own kind; the other kind may stand there.
TEST_F(PalettePlacement, ASecondKeySignatureOrUsulInOnePlaceIsRefused) {
    for (const auto& [tür, öteki, ikaz] : {std::tuple{tür::donanım, tür::usul, "burada zaten bir donanım var"},
                                          std::tuple{tür::usul, tür::donanım, "burada zaten bir usul var"}}) {
        satır = test::dizilmişSatır(5);
        for (int j : {1, 3, 5}) satır.elemanlar[j].tür = tür;
        sus.tür = tür;
        for (int sonra : {0, 1, 2, 3, 5}) {
            kullanıcı.ikazlar.clear();
            EXPECT_TRUE(reddedildi(test::araX(sonra), ikaz)) << sonra;
        }
        sus.tür = öteki;
        EXPECT_EQ(paletElemanıYerleştir(satır, sus, test::araX(2), kullanıcı), Yerleştirme::yerleşti);
    }
}

}  // namespace
}  // namespace selvika
