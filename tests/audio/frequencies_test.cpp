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
    for (auto [k, hz] : {std::pair{9, 1319.95f}, {115, 329.99f}, {124, 293.34f}, {177, 146.67f}, {185, 132.10f}})
        EXPECT_NEAR(f[k], hz, 0.01f) << k;
    EXPECT_EQ(std::tuple(f[230], f[255]), std::tuple(0.0f, 0.0f));
    // Each step is rounded to single precision before the next.
    for (int k : {0, 92, 228})
        EXPECT_EQ(f[k], static_cast<float>(std::pow(2.0, 1.0 / 53) * f[k + 1])) << k;
}

TEST(Frekanslar, MicrotoneShiftMovesTheTarget) {
    EXPECT_FLOAT_EQ(hedefFrekans(93, 1), frekanslar()[93] * 1.00437f);
    EXPECT_FLOAT_EQ(hedefFrekans(93, -1), frekanslar()[93] * 0.99565f);
    EXPECT_EQ(hedefFrekans(93, 0), frekanslar()[93]);
}

TEST(Göçürüm, FoldsOnceEachWay) {
    const struct { int k, göçürüm; std::optional<int> kÜssü; } durumlar[] = {
        {170, 22, 139}, {180, 0, 180}, {185, 0, 185},           {186, 0, 133},          {9, 0, 62},
        {10, 0, 10},    {93, 22, 115}, {229, 22, std::nullopt}, {229, 255, std::nullopt}, {1, 8, 62}};
    for (const auto& d : durumlar) EXPECT_EQ(göçür(d.k, d.göçürüm), d.kÜssü) << d.k << " + " << d.göçürüm;
}

TEST(BlokSeç, NearestRecordedPerde) {
    const std::pair<int, Blok> durumlar[] = {
        {9, {}},         {10, {2, 18}},   {22, {2, 18}},   {23, {3, 27}},    {88, {11, 84}},
        {89, {12, 93}},  {97, {12, 93}},  {98, {13, 102}}, {172, {22, 168}}, {173, {23, 177}},
        {180, {23, 177}}, {185, {23, 177}}, {186, {}}};
    for (const auto& [kÜssü, blok] : durumlar) EXPECT_EQ(blokSeç(kÜssü), blok) << kÜssü;
}

TEST(Sazlar, CodesNumbersAndBlockLengths) {
    for (auto [kod, numara] : {std::pair{"SINUS", saz::sinüs}, {"KLRNT", saz::klarnet}, {"BAGLM", saz::bağlama},
                               {"SZYOK", saz::bilinmeyen}, {"RTYOK", saz::bilinmeyen}})
        EXPECT_EQ(sazNumarası(kod), numara) << kod;
    EXPECT_EQ(sazKodu(saz::çelloPizzicato), "CELPC");
    EXPECT_EQ(std::tuple(blokUzunluğu(saz::sinüs), blokUzunluğu(saz::çello), blokUzunluğu(saz::klarnet)),
              std::tuple(100000, 320000, 400000));
}

}  // namespace
}  // namespace selvika
