#include "audio/plan_charts.h"

#include <gtest/gtest.h>

#include <set>

namespace selvika {
namespace {

// The middle of cell (row, column).
int orta(int i) { return i * çizelgeHücresi + çizelgeHücresi / 2; }

TEST(MetronomÇizelgesi, GivesTheValueOfTheCellAndEntrySetsExitToo) {
    const struct { int satır, sütun; std::optional<Byte> değer; } durumlar[] = {
        {0, 0, 10}, {0, 1, 40}, {1, 1, 60}, {1, 7, 80}, {3, 9, 208}, {4, 0, std::nullopt}, {0, 10, std::nullopt}};
    for (const auto& d : durumlar)
        EXPECT_EQ(metronomNoktası(orta(d.sütun), orta(d.satır)), d.değer) << d.satır << "," << d.sütun;
    EXPECT_EQ(metronomNoktası(16, 17), 58);  // the last point of column 0, the first of row 1
    Pasaj p;
    metronomSeç(p, 60, true);
    metronomSeç(p, 120, false);
    EXPECT_EQ(std::pair(p.girişMetronomu, p.çıkışMetronomu), std::pair(Byte{60}, Byte{120}));
    metronomSeç(p, 88, true);
    EXPECT_EQ(std::pair(p.girişMetronomu, p.çıkışMetronomu), std::pair(Byte{88}, Byte{88}));
}

// Cells numbered 1..72 row by row; every göçürüm 0..52 can be chosen, in order.
TEST(AhenkÇizelgesi, GivesTheGöçürümOfTheCellAndNamesTheAhenks) {
    auto göçürüm = [](int numara) { return ahenkNoktası(orta((numara - 1) % 8), orta((numara - 1) / 8)); };
    const std::pair<int, int> sınırlar[] = {
        {1, 0},   {4, 0},   {5, 1},   {12, 8},  {13, 9},  {16, 9},  {17, 10}, {19, 12}, {20, 13}, {24, 13},
        {25, 14}, {32, 21}, {33, 22}, {36, 22}, {37, 23}, {44, 30}, {45, 31}, {48, 31}, {49, 32}, {56, 39},
        {57, 40}, {58, 40}, {59, 41}, {61, 43}, {62, 44}, {64, 44}, {65, 45}, {72, 52}};
    for (auto [numara, değer] : sınırlar) EXPECT_EQ(göçürüm(numara), değer) << numara;
    std::set<int> değerler;
    for (int numara = 1; numara <= 72; ++numara) {
        if (numara > 1) {
            EXPECT_GE(*göçürüm(numara), *göçürüm(numara - 1));
        }
        değerler.insert(*göçürüm(numara));
    }
    EXPECT_EQ(değerler.size(), 53u);
    EXPECT_FALSE(göçürüm(73));
    EXPECT_FALSE(ahenkNoktası(8 * çizelgeHücresi, 0));
    const std::pair<int, std::string_view> adlar[] = {{0, "Bolaheng"}, {9, "Sipürde"}, {13, "Müstahzen"},
                                                      {22, "Kız neyi"}, {31, "Mansur"},  {40, "Şah"},
                                                      {44, "Davud"},    {10, ""},        {52, ""}};
    for (auto [g, ad] : adlar) EXPECT_EQ(ahenkAdı(g), ad) << g;
}

}  // namespace
}  // namespace selvika
