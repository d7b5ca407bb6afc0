#include "audio/tempo.h"

#include <gtest/gtest.h>

#include <vector>

namespace selvika {
namespace {

TEST(BirimUzunluğu, IsASingleOfSamplesPerUnit) {
    const struct { int metronom, birimNota; Single örnek; } durumlar[] = {
        {60, 4, 1378.125f}, {120, 4, 689.0625f}, {120, 8, 1378.125f}, {80, 16, 4134.375f}, {0, 4, 0.0f}};
    for (const auto& d : durumlar) EXPECT_EQ(birimUzunluğu(d.metronom, d.birimNota), d.örnek) << d.metronom;
}

// Where units start and how long the passage buffer is; the last start is
// that of the unit after the passage.
TEST(Tempo, StartsUnitsOnTheQuadraticCurveAndSizesTheBuffer) {
    const Single s80 = birimUzunluğu(80, 4);
    const struct {
        const char* durum;
        Tempo tempo;
        std::vector<std::pair<long, long>> başlangıçlar;
        long uzunluk;
    } durumlar[] = {
        {"60 to 120: units shrink from 1378.125 to 689.0625 samples",
         {1378.125f, 689.0625f, 65},
         {{0, 0}, {1, 1378}, {2, 2745}, {64, 66495}, {65, 67183}},
         67184},
        {"two units", {1378.125f, 689.0625f, 2}, {{1, 1378}, {2, 2067}}, 2067},
        {"a steady tempo rounds halves to even", {s80, s80, 48}, {{16, 16538}, {48, 49612}}, 49612},
        {"one unit has no step", {1378.125f, 689.0625f, 1}, {{1, 1378}}, 1034},
        {"no units, no samples", {1378.125f, 689.0625f, 0}, {}, 0},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.durum);
        for (auto [birim, örnek] : d.başlangıçlar) EXPECT_EQ(d.tempo.başlangıç(birim), örnek) << birim;
        EXPECT_EQ(d.tempo.uzunluk(), d.uzunluk);
    }
    const Tempo t{1378.125f, 689.0625f, 65};
    EXPECT_EQ(t.giriş + 64 * t.artış(), 689.0625f);
}

TEST(Tempo, CountsTheUnitsOfChannelsZeroAndOneAndKeepsOneMetronomeForTheLine) {
    Notalar notalar;
    const std::pair<Byte, Byte> kayıtlar[] = {{16, 0}, {8, 1}, {32, 2}, {4, 3}, {2, 0}};
    for (auto [süre, kanal] : kayıtlar) notalar.ekle({.süre = süre, .kanal = kanal, .seyir = {}, .çalınanSesler = {}});
    Pasaj p;
    p.başlangıçİndeksi = 2;
    p.bitişİndeksi = 5;
    p.birimNota = 4;
    p.girişMetronomu = 60;
    p.çıkışMetronomu = 120;
    const Tempo t = pasajTemposu(p, notalar);
    EXPECT_EQ(std::tuple(t.giriş, t.çıkış, t.birimSayısı), std::tuple(1378.125f, 689.0625f, 10));
    p.başlangıçİndeksi = 1;
    EXPECT_EQ(pasajBirimSayısı(p, notalar), 26);
    const Tempo satır = satırTemposu(p, 12);
    EXPECT_EQ(std::tuple(satır.giriş, satır.çıkış, satır.birimSayısı), std::tuple(1378.125f, 1378.125f, 12));
}

}  // namespace
}  // namespace selvika
