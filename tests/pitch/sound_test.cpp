#include <gtest/gtest.h>

#include "pitch/key_signatures.h"
#include "pitch/sound.h"

namespace selvika {
namespace {

class Sound : public ::testing::Test {
public:
    Sound& nota(int p, Integer arıza = 0) {
        Eleman& e = satır.elemanlar[++satır.elemanSayısı];
        e.tür = static_cast<Byte>(p);
        e.süre = 4;
        e.arıza.arıza = arıza;
        return *this;
    }
    Sound& işaret(Byte tür, Byte kod = 0) {
        Eleman& e = satır.elemanlar[++satır.elemanSayısı];
        e.tür = tür;
        e.usulNo = kod;
        return *this;
    }
    Sound& makam(const char* ad) {
        for (const Makam& m : makamListesi())
            if (m.ad == ad) return işaret(tür::donanım, m.kod);
        ADD_FAILURE() << ad;
        return *this;
    }
    std::vector<int> sesler() {
        sesindeksleriniYaz(satır, kullanıcı);
        std::vector<int> k;
        for (int j = 1; j <= satır.elemanSayısı; ++j) k.push_back(satır.elemanlar[j].sesindeks);
        return k;
    }

    Satır satır;
    KullanıcıDonanımı kullanıcı;
};

TEST_F(Sound, DügahWithItsOwnAccidentals) {
    nota(15).işaret(33).nota(15, -1).işaret(33).nota(15, 4);
    EXPECT_EQ(sesler(), (std::vector<int>{115, 0, 116, 0, 111}));
}

TEST_F(Sound, AnAccidentalCarriesToEveryOctaveUntilTheBarLine) {
    nota(14, -1).nota(7).nota(21).işaret(33).nota(7);
    EXPECT_EQ(sesler(), (std::vector<int>{107, 54, 160, 0, 53}));
}

TEST_F(Sound, ANaturalCancelsTheSignatureForTheRestOfTheMeasure) {
    makam("RAST").nota(14).nota(14, bekar).nota(7).nota(21).işaret(43).nota(14);
    EXPECT_EQ(sesler(), (std::vector<int>{0, 107, 106, 53, 159, 0, 107}));
}

TEST_F(Sound, TheLowestDegreesDoNotCarryTheirAccidentals) {
    nota(26, -4).nota(26).nota(19);
    EXPECT_EQ(sesler(), (std::vector<int>{203, 199, 150})) << "K.Yegah's flat reaches the re above it";
}

TEST_F(Sound, KeySignaturesActFromTheirElementToTheLineEnd) {
    nota(14).makam("RAST").nota(14).nota(10);
    EXPECT_EQ(sesler(), (std::vector<int>{106, 0, 107, 76}));
}

TEST_F(Sound, KürdilihicazkarLeavesTizMuhayyerAlone) {
    makam("KÜRDILIHICAZKAR").nota(8).nota(1);
    EXPECT_EQ(sesler(), (std::vector<int>{0, 67, 9}));
}

TEST_F(Sound, AUserDefinedFlatReachesAllFiveLaDegrees) {
    kullanıcıDonanımınıKaydet(kullanıcı, {0, 0, 0, 0, 0, 0, -4});
    işaret(tür::donanım, kullanıcıTanımlı).nota(1).nota(8).nota(15).nota(22).nota(29);
    EXPECT_EQ(sesler(), (std::vector<int>{0, 13, 66, 119, 172, 225}));
}

TEST_F(Sound, ASecondSignatureKeepsWhatItDoesNotName) {
    makam("HICAZ").makam("USSAK").nota(13).nota(10).nota(14);
    EXPECT_EQ(sesler(), (std::vector<int>{0, 0, 98, 76, 107}));
}

TEST_F(Sound, UnknownCodesAndNonNotesSoundNothing) {
    işaret(tür::donanım, 14).nota(14).işaret(tür::usul, 5).işaret(tür::sus);
    EXPECT_EQ(sesler(), (std::vector<int>{0, 106, 0, 0}));
}

TEST(KeySignatureTable, ListsFortyTwoMakamsInOrder) {
    auto liste = makamListesi();
    ASSERT_EQ(liste.size(), 42u);
    EXPECT_EQ(liste.front().ad, "ACEMASIRAN");
    EXPECT_EQ(liste[18].ad, "KULLANICI TANIMLI");
    EXPECT_EQ(liste.back().kod, 8);
    EXPECT_EQ(donanımArızaları(26).size(), 5u);
    EXPECT_TRUE(donanımArızaları(44).empty());
}

TEST(UserDefinedSignature, SavingLaysOutFlatsThenSharps) {
    KullanıcıDonanımı k;
    kullanıcıDonanımınıKaydet(k, {0, 4, -4, 0, 0, 0, 0});
    EXPECT_EQ(k.xKaymaları[static_cast<int>(Harf::mi)], 0);
    EXPECT_EQ(k.xKaymaları[static_cast<int>(Harf::fa)], 12);
    EXPECT_EQ(k.genişlik, 36);
    EXPECT_TRUE(kullanıcıDonanımıVar(k));
}

TEST(SignatureGlyphs, HaveTheirFixedCodes) {
    EXPECT_EQ(donanımGlifi(-8), 'r');
    EXPECT_EQ(donanımGlifi(-5), 'e');
    EXPECT_EQ(donanımGlifi(5), '{');
    EXPECT_EQ(donanımGlifi(bekar), 'z');
    EXPECT_EQ(donanımGlifi(3), 0);
    EXPECT_EQ(harfYüksekliği(Harf::sol), -1);
    EXPECT_EQ(harfYüksekliği(Harf::la), 5);
}

}  // namespace
}  // namespace selvika
