#include <gtest/gtest.h>

#include <cmath>

#include "audio/frequencies.h"
#include "audio/instruments.h"

namespace selvika {
namespace {

TEST(Frekanslar, RunningProductFromTheLowestPosition) {
    const auto& f = frekanslar();
    EXPECT_EQ(f[229], 74.30163f);
    EXPECT_NEAR(f[93], 440.0f, 0.001f);
    EXPECT_NEAR(f[9], 1319.95f, 0.01f);
    EXPECT_NEAR(f[115], 329.99f, 0.01f);
    EXPECT_NEAR(f[124], 293.34f, 0.01f);
    EXPECT_NEAR(f[177], 146.67f, 0.01f);
    EXPECT_NEAR(f[185], 132.10f, 0.01f);
    EXPECT_EQ(f[230], 0.0f);
    EXPECT_EQ(f[255], 0.0f);
    // Each step is rounded to single precision before the next.
    for (int k : {0, 92, 228})
        EXPECT_EQ(f[k], static_cast<float>(std::pow(2.0, 1.0 / 53) * f[k + 1])) << k;
}

TEST(Frekanslar, MicrotoneShiftMovesTheTarget) {
    EXPECT_FLOAT_EQ(hedefFrekans(93, 1), frekanslar()[93] * 1.00437f);
    EXPECT_FLOAT_EQ(hedefFrekans(93, -1), frekanslar()[93] * 0.99565f);
    EXPECT_EQ(hedefFrekans(93, 0), frekanslar()[93]);
}

struct Göçürme {
    int k, göçürüm;
    std::optional<int> kÜssü;
};
class GöçürümTest : public testing::TestWithParam<Göçürme> {};
TEST_P(GöçürümTest, FoldsOnceEachWay) {
    EXPECT_EQ(göçür(GetParam().k, GetParam().göçürüm), GetParam().kÜssü);
}
INSTANTIATE_TEST_SUITE_P(Konumlar, GöçürümTest,
                         testing::Values(Göçürme{170, 22, 139}, Göçürme{180, 0, 180}, Göçürme{185, 0, 185},
                                         Göçürme{186, 0, 133}, Göçürme{9, 0, 62}, Göçürme{10, 0, 10},
                                         Göçürme{93, 22, 115}, Göçürme{229, 22, std::nullopt},
                                         Göçürme{229, 255, std::nullopt}, Göçürme{1, 8, 62}));

struct Seçim {
    int kÜssü;
    Blok blok;
};
class BlokTest : public testing::TestWithParam<Seçim> {};
TEST_P(BlokTest, NearestRecordedPerde) { EXPECT_EQ(blokSeç(GetParam().kÜssü), GetParam().blok); }
INSTANTIATE_TEST_SUITE_P(Sınırlar, BlokTest,
                         testing::Values(Seçim{9, {}}, Seçim{10, {2, 18}}, Seçim{22, {2, 18}}, Seçim{23, {3, 27}},
                                         Seçim{88, {11, 84}}, Seçim{89, {12, 93}}, Seçim{97, {12, 93}},
                                         Seçim{98, {13, 102}}, Seçim{172, {22, 168}}, Seçim{173, {23, 177}},
                                         Seçim{180, {23, 177}}, Seçim{185, {23, 177}}, Seçim{186, {}}));

TEST(Sazlar, CodesNumbersAndBlockLengths) {
    EXPECT_EQ(sazNumarası("SINUS"), saz::sinüs);
    EXPECT_EQ(sazNumarası("KLRNT"), saz::klarnet);
    EXPECT_EQ(sazNumarası("BAGLM"), saz::bağlama);
    EXPECT_EQ(sazNumarası("SZYOK"), saz::bilinmeyen);
    EXPECT_EQ(sazNumarası("RTYOK"), saz::bilinmeyen);
    EXPECT_EQ(sazKodu(saz::çelloPizzicato), "CELPC");
    EXPECT_EQ(blokUzunluğu(saz::sinüs), 100000);
    EXPECT_EQ(blokUzunluğu(saz::çello), 320000);
    EXPECT_EQ(blokUzunluğu(saz::klarnet), 400000);
}

}  // namespace
}  // namespace selvika
