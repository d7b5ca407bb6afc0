#include <gtest/gtest.h>

#include "render/engraved_page_layout.h"

namespace selvika {
namespace {

constexpr SayfaÇerçevesi ç{800, 1000, 50};

TEST(TitleBlock, CentresTheNameAndSetsTheSidesUnderIt) {
    std::array<Boyut, 10> ölçüler{};
    ölçüler[1] = {200, 30};
    ölçüler[4] = {100, 20};  // makam and usul
    ölçüler[5] = {80, 20};
    ölçüler[7] = {150, 20};  // composer
    const BaşlıkBloğu blok = başlıkBloğu(ölçüler, ç);
    EXPECT_DOUBLE_EQ(blok.yerler[1].alan.x, 300);
    EXPECT_DOUBLE_EQ(blok.yerler[1].alan.y, 50);
    EXPECT_DOUBLE_EQ(blok.yerler[4].alan.x, 50);
    EXPECT_DOUBLE_EQ(blok.yerler[4].alan.y, 80);
    EXPECT_DOUBLE_EQ(blok.yerler[5].alan.y, 100);
    EXPECT_DOUBLE_EQ(blok.yerler[7].alan.sağ(), 750);
    EXPECT_DOUBLE_EQ(blok.yerler[7].alan.y, 80);
    EXPECT_GT(blok.alt, 120);
}

TEST(TitleBlock, LongTextsShrinkIntoTheirRoomAndNoTitlesLeaveThePageFree) {
    std::array<Boyut, 10> ölçüler{};
    ölçüler[1] = {1400, 40};
    ölçüler[8] = {700, 20};
    const BaşlıkBloğu blok = başlıkBloğu(ölçüler, ç);
    EXPECT_DOUBLE_EQ(blok.yerler[1].ölçek, 0.5);
    EXPECT_DOUBLE_EQ(blok.yerler[1].alan.x, 50);
    EXPECT_DOUBLE_EQ(blok.yerler[1].alan.boy, 20);
    EXPECT_LE(blok.yerler[8].alan.en, ç.yazıEni() / 2);
    EXPECT_DOUBLE_EQ(blok.yerler[8].alan.sağ(), 750);
    EXPECT_DOUBLE_EQ(başlıkBloğu({}, ç).alt, 50);
}

TEST(PrintLayout, SystemsFlowOntoNewPagesAndBlocksFollowThem) {
    std::vector<SistemÖlçüsü> sistemler;
    for (int n = 1; n <= 10; ++n) sistemler.push_back({n, -10, 170});  // 180 of ink each
    const std::vector<BlokÖlçüsü> bloklar{{1, 300, 100, 60}, {2, 200, 120, 70}, {3, 300, 80, 50}};
    const BaskıDüzeni d = baskıDüzeni(sistemler, bloklar, 100, {20, 30, 40}, ç);
    // Page 1 from 100 down to 950: 4 systems; the others from the top margin
    // down to 910, above the page number.
    std::vector<int> sayfalar;
    for (const SistemYeri& s : d.sistemler) sayfalar.push_back(s.sayfa);
    EXPECT_EQ(sayfalar, (std::vector<int>{1, 1, 1, 1, 2, 2, 2, 2, 3, 3}));
    EXPECT_DOUBLE_EQ(d.sistemler[0].y, 110);
    EXPECT_DOUBLE_EQ(d.sistemler[4].y, 60);
    EXPECT_DOUBLE_EQ(d.sistemler[9].y, 260) << "the last page keeps its systems close";
    EXPECT_DOUBLE_EQ(d.sistemler[3].y + 170, 950) << "page 1 filled to its foot";
    EXPECT_DOUBLE_EQ(d.sistemler[7].y + 170, 910) << "page 2 down to the page number";
    // Narrow blocks two in a row under the last system, the third on the next row.
    ASSERT_EQ(d.bloklar.size(), 3u);
    EXPECT_EQ(std::tuple(d.bloklar[0].sayfa, d.bloklar[0].alan.x, d.bloklar[0].alan.y), std::tuple(3, 50.0, 460.0));
    EXPECT_EQ(std::tuple(d.bloklar[1].alan.x, d.bloklar[1].alan.y), std::tuple(415.0, 460.0));
    EXPECT_EQ(std::tuple(d.bloklar[2].sayfa, d.bloklar[2].alan.y), std::tuple(3, 610.0));
    EXPECT_EQ(d.sayfaSayısı, 3);
}

TEST(PrintLayout, AWideBlockTakesTheWidthAndMovesOnWhenItDoesNotFit) {
    const BaskıDüzeni d = baskıDüzeni({{1, 0, 800}}, {{1, 500, 40, 100}, {2, 100, 40, 40}}, 50, {20, 30, 40}, ç);
    ASSERT_EQ(d.bloklar.size(), 2u);
    EXPECT_EQ(std::tuple(d.bloklar[0].sayfa, d.bloklar[0].alan.y, d.bloklar[0].alan.en), std::tuple(2, 50.0, 700.0));
    EXPECT_EQ(std::tuple(d.bloklar[1].sayfa, d.bloklar[1].alan.y), std::tuple(2, 180.0));
    for (const BlokYeri& b : d.bloklar) EXPECT_LE(b.alan.alt(), ç.alt() - 40);
}

TEST(PrintLayout, PageNumbersFromTheSecondPageCentredInTheBottomMargin) {
    EXPECT_FALSE(sayfaNumarasıYeri(1, {10, 12}, ç));
    const auto yer = sayfaNumarasıYeri(2, {10, 12}, ç);
    ASSERT_TRUE(yer);
    EXPECT_EQ(std::tuple(yer->x, yer->y, yer->alt()), std::tuple(395.0, 938.0, 950.0));
}

}  // namespace
}  // namespace selvika
