#include <gtest/gtest.h>

#include "analysis/histogram_bars.h"
#include "analysis/pitch_histogram.h"
#include "tests/analysis/analysis_fixture.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

TEST(PerdeSayımı, TenRastNotesAndARest) {
    const PerdeSayımı sayım = perdeleriSay(*test::onRastVeSus());
    EXPECT_EQ(sayım.adet[124], 10);
    EXPECT_EQ(sayım.adet[0], 1);
    EXPECT_EQ(sayım.süre[124], 320);
    EXPECT_EQ(sayım.süre[0], 16);
    EXPECT_EQ(sayım.enKüçük, 124);
    EXPECT_EQ(sayım.enBüyük, 124);
    EXPECT_EQ(sayım.toplamAdet(), 10);
    EXPECT_EQ(sayım.toplamSüre(), 320);

    const auto adet = histogramÇubukları(sayım, HistogramTürü::adet, 0);
    ASSERT_EQ(adet.size(), 1u);
    EXPECT_EQ(adet[0].etiket, "10");
    EXPECT_EQ(adet[0].x, 6 * 124 - 55);
    EXPECT_EQ(adet[0].oran, 1.0);
    EXPECT_EQ(histogramÇubukları(sayım, HistogramTürü::süre, 9)[0].etiket, "%100.0");
    EXPECT_EQ(histogramÇubukları(sayım, HistogramTürü::süre, 9)[0].x, 6 * 133 - 55);
}

TEST(PerdeSayımı, OpensOnlyOnAFirstLineOfTenElements) {
    test::SenaryoluEtkileşim kullanıcı;
    EXPECT_TRUE(analizAçılır(*test::onRastVeSus(), kullanıcı));
    EXPECT_FALSE(analizAçılır(*test::analizEseri({{}, {{16, 124, 32}}}), kullanıcı));
    EXPECT_EQ(kullanıcı.metinler(), std::vector<std::string>{"eserin ilk satırında yeterli nota yok."});
}

TEST(PerdeSayımı, AScoreWithoutNotesSumsNothing) {
    const PerdeSayımı sayım = perdeleriSay(*test::analizEseri({{{tür::sus, 0, 32}, {tür::donanım, 0, 0, 2}}}));
    EXPECT_EQ(sayım.adet[0], 1);
    EXPECT_EQ(sayım.toplamAdet(), 0);
    EXPECT_TRUE(histogramÇubukları(sayım, HistogramTürü::süre, 0).empty());
}

// Every sounding position is counted; only 11..176 are drawn.
class ÇizilenAralık : public ::testing::TestWithParam<std::pair<int, bool>> {};

TEST_P(ÇizilenAralık, CountsEveryPositionAndDrawsTheGridRange) {
    const auto [k, çizilir] = GetParam();
    const PerdeSayımı sayım = perdeleriSay(*test::analizEseri({{{1, Byte(k), 8}, {1, Byte(k), 8}}}));
    EXPECT_EQ(sayım.adet[static_cast<std::size_t>(k)], 2);
    EXPECT_EQ(sayım.toplamSüre(), 16);
    EXPECT_EQ(histogramÇubukları(sayım, HistogramTürü::adet, 0).size(), çizilir ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Konumlar, ÇizilenAralık,
                         ::testing::Values(std::pair{9, false}, std::pair{10, false}, std::pair{11, true},
                                           std::pair{176, true}, std::pair{177, false}, std::pair{229, false}));

TEST(PerdeSayımı, SeveralScoresSumAndWidenTheRange) {
    PerdeSayımı toplam = perdeleriSay(*test::onRastVeSus());
    toplam += perdeleriSay(*test::analizEseri({{{8, 62, 16}, {30, 250, 16}}}));
    EXPECT_EQ(toplam.adet[124], 10);
    EXPECT_EQ(toplam.adet[62], 1);
    EXPECT_EQ(toplam.enKüçük, 62) << "a position beyond the grid is not counted";
    EXPECT_EQ(toplam.toplamAdet(), 11);
    EXPECT_EQ(toplam.toplamSüre(), 336);
}

TEST(HistogramIzgarası, ThreeOctavesOfDegreesFrom9To176) {
    const auto çizgiler = ızgaraÇizgileri();
    EXPECT_EQ(çizgiler.size(), 168u);
    EXPECT_EQ(çizgiler.front().k, 9);
    EXPECT_EQ(çizgiler.back().k, 176);
    for (const auto& ç : çizgiler)
        if (ç.k == 27 || ç.k == 124) EXPECT_EQ(ç.renk, IzgaraRengi::mavi);
        else if (ç.k == 28 || ç.k == 32) EXPECT_EQ(ç.üstY, 10);
        else if (ç.k == 30 || ç.k == 33) EXPECT_EQ(ç.renk, IzgaraRengi::yeşil);
}

}  // namespace
}  // namespace selvika
