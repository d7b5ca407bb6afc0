#include <gtest/gtest.h>

#include "analysis/ahenk_shift.h"
#include "analysis/score_key_signature.h"
#include "pitch/key_signatures.h"
#include "tests/analysis/analysis_fixture.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

constexpr test::Öğe donanım(Byte kod) { return {tür::donanım, 0, 0, kod}; }
constexpr test::Öğe rast{16, 124, 32};

TEST(EserDonanımı, TheFirstSignatureNamesTheScoreAndTheBuiltInRowFillsTheOldOne) {
    EserPtr eser = test::analizEseri({{rast}, {donanım(2), rast, donanım(2)}});
    EXPECT_EQ(eserDonanımı(*eser), (EserDonanımı{2, true}));
    EXPECT_EQ(eskiDonanım(eserDonanımı(*eser), eser->başlık.donanım), (Donanım{0, 4, 0, 0, 0, -1, 0}));
    test::SenaryoluEtkileşim kullanıcı;
    donanımıBildir(eserDonanımı(*eser), kullanıcı);
    EXPECT_TRUE(kullanıcı.mesajlar.empty());
}

TEST(EserDonanımı, TwoDifferentSignaturesShowNoPanelAndNoMessage) {
    EserPtr eser = test::analizEseri({{donanım(2), rast}, {donanım(7), rast}});
    EXPECT_EQ(eserDonanımı(*eser), (EserDonanımı{2, false}));
    EXPECT_EQ(eskiDonanım(eserDonanımı(*eser), eser->başlık.donanım), std::nullopt);
    EXPECT_EQ(donanımMesajı(eserDonanımı(*eser)), "");
}

TEST(EserDonanımı, TheUserDefinedSignatureIsToldAndGivesTheUserValues) {
    EserPtr eser = test::analizEseri({{donanım(kullanıcıTanımlı), rast}});
    kullanıcıDonanımınıKaydet(eser->başlık.donanım, {0, 0, -4, 0, 0, 0, 3});
    test::SenaryoluEtkileşim kullanıcı;
    donanımıBildir(eserDonanımı(*eser), kullanıcı);
    EXPECT_EQ(kullanıcı.metinler(), std::vector<std::string>{"Eserde kullanıcı tanımlı donanım bulundu. "});
    EXPECT_EQ(eskiDonanım(eserDonanımı(*eser), eser->başlık.donanım), (Donanım{0, 0, -4, 0, 0, 0, 3}));
}

TEST(EserDonanımı, AScoreWithoutSignatureIsTold) {
    test::SenaryoluEtkileşim kullanıcı;
    donanımıBildir(eserDonanımı(*test::onRastVeSus()), kullanıcı);
    EXPECT_EQ(kullanıcı.metinler(), std::vector<std::string>{"Eserde donanım bulunamadı. "});
}

struct YeniDonanımDurumu {
    Byte kod;
    int öteleme;
    Donanım yeni;  // sol, fa, mi, re, do, si, la
};

class YeniDonanımTesti : public ::testing::TestWithParam<YeniDonanımDurumu> {};

TEST_P(YeniDonanımTesti, MovesEveryLetterAndCorrectsIt) {
    const auto& d = GetParam();
    EXPECT_EQ(yeniDonanım(donanımDeğerleri(d.kod, {}), d.öteleme), d.yeni);
}

INSTANTIATE_TEST_SUITE_P(
    Ötelemeler, YeniDonanımTesti,
    ::testing::Values(YeniDonanımDurumu{2, 0, {0, 4, 0, 0, 0, -1, 0}},    // RAST stays
                      YeniDonanımDurumu{2, 9, {0, 0, -1, 0, 0, -5, -1}},  // do's 0 becomes si −5
                      YeniDonanımDurumu{7, 31, {0, 4, -4, 0, 0, -1, 0}},  // HICAZ
                      YeniDonanımDurumu{2, 18, {-1, 0, -5, -1, 0, -5, -5}},
                      YeniDonanımDurumu{2, 44, {4, 5, 0, 0, 4, 0, 0}},
                      YeniDonanımDurumu{2, -9, {4, 5, 0, 0, 4, 0, 0}},
                      YeniDonanımDurumu{2, 5, {0, 4, 0, 0, 0, -1, 0}}));  // no rule: kept

struct DüğmeDurumu {
    int düğme, önce, sonra;
    std::string etiket;
};

class ÖtelemeDüğmesiTesti : public ::testing::TestWithParam<DüğmeDurumu> {};

TEST_P(ÖtelemeDüğmesiTesti, SetsTheShiftAndItsLabel) {
    const auto& d = GetParam();
    EXPECT_EQ(ötelemeDüğmesi(d.düğme, d.önce), d.sonra);
    EXPECT_EQ(ötelemeAdı(d.sonra), d.etiket);
}

INSTANTIATE_TEST_SUITE_P(Düğmeler, ÖtelemeDüğmesiTesti,
                         ::testing::Values(DüğmeDurumu{2, 0, -1, "-1"}, DüğmeDurumu{1, 8, 9, "Sipürde"},
                                           DüğmeDurumu{1, 52, 52, "52"}, DüğmeDurumu{2, -52, -52, "-52"},
                                           DüğmeDurumu{3, 17, 0, "Bolahenk"}, DüğmeDurumu{6, 0, 18, "Yıldız"},
                                           DüğmeDurumu{7, 0, 22, "Kızneyi"}, DüğmeDurumu{10, 0, 44, "Davud"},
                                           DüğmeDurumu{11, 0, -9, "-9"}));

TEST(ÖtelemeDüğmesi, OnlyTheNamedButtonsRecomputeTheSignature) {
    EXPECT_FALSE(donanımıYeniler(1));
    EXPECT_FALSE(donanımıYeniler(2));
    EXPECT_TRUE(donanımıYeniler(3));
    EXPECT_TRUE(donanımıYeniler(11));
    EXPECT_EQ(ötelemeDüğmesiYazısı(1), "<< 1 HK ");
    EXPECT_EQ(ötelemeDüğmesiYazısı(11), "(Davut Oktavı =  9 Komma ) Bir Tam SES tize>>");
}

}  // namespace
}  // namespace selvika
