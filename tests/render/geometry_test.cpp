#include <gtest/gtest.h>

#include "core/defaults.h"
#include "render/bar_lines.h"
#include "render/line_layout.h"
#include "render/page_geometry.h"
#include "render/slur_geometry.h"
#include "render/staff_geometry.h"

namespace selvika {
namespace {

TEST(StaffGeometry, PositionsLieOnLinesAndSpaces) {
    EXPECT_EQ(std::tuple(perdeY(10, editörÖlçeği), perdeY(18, editörÖlçeği), perdeY(11, editörÖlçeği)),
              std::tuple(60, 100, 65));
    EXPECT_EQ(perdeY(10, sayfaÖlçeği), 120);
}

TEST(StaffGeometry, LedgerLines) {
    EXPECT_EQ(ekÇizgiler(28), (std::vector<int>{5, 6, 7, 8, 9}));
    EXPECT_EQ(ekÇizgiler(20), (std::vector<int>{5}));
    EXPECT_TRUE(ekÇizgiler(9).empty());
    EXPECT_TRUE(ekÇizgiler(19).empty());
    EXPECT_EQ(ekÇizgiler(8), (std::vector<int>{-1}));
    EXPECT_EQ(ekÇizgiler(1), (std::vector<int>{-1, -2, -3, -4}));
}

TEST(StaffGeometry, StemsOfNotesFarOffTheStaffReachTheMiddleLine) {
    EXPECT_EQ(sapUzatması(22, false), 1);
    EXPECT_EQ(sapUzatması(28, false), 7);
    EXPECT_EQ(sapUzatması(2, true), 5);
    EXPECT_EQ(sapUzatması(20, false), 0) << "one ledger line: the stem already passes the middle line";
    EXPECT_EQ(sapUzatması(28, true), 0) << "a stem away from the staff keeps its length";
    EXPECT_EQ(sapUzatması(14, true), 0);
}

TEST(StaffGeometry, RulesFillWholePixelRows) {
    EXPECT_EQ(pikselSatırları(100.3, 0.9), (PikselSatırları{100, 1})) << "row 100 spans y 100..101";
    EXPECT_EQ(pikselSatırları(99.9, 0.9), (PikselSatırları{99, 1}));
    EXPECT_EQ(pikselSatırları(100.2, 2.0), (PikselSatırları{99, 2}));
    EXPECT_EQ(pikselSatırları(100, 2.6), (PikselSatırları{99, 3}));
    EXPECT_EQ(pikselSatırları(100, 0.2), (PikselSatırları{100, 1})) << "never thinner than a row";
}

// Three pixels off a line is the space beside it.
TEST(StaffGeometry, MouseSnapsWithinTwoPixels) {
    for (auto [y, konum] : {std::pair{62, 10}, {58, 10}, {63, 11}, {57, 9}, {5, -1}})
        EXPECT_EQ(esasY(y, editörÖlçeği, 60), konum) << y;
}

TEST(StaffGeometry, LedgerLinesAtTheMouseAreThoseOfItsPosition) {
    EXPECT_EQ(fareninEkÇizgileri(perdeY(2, editörÖlçeği), editörÖlçeği, 60), (std::vector<int>{-1, -2, -3, -4}));
    EXPECT_EQ(fareninEkÇizgileri(perdeY(21, editörÖlçeği) + 2, editörÖlçeği, 60), (std::vector<int>{5}));
    EXPECT_TRUE(fareninEkÇizgileri(80, editörÖlçeği, 60).empty()) << "on the staff";
    EXPECT_TRUE(fareninEkÇizgileri(5, editörÖlçeği, 60).empty()) << "above every position";
}

class Layout : public ::testing::Test {
protected:
    Layout() { satıratamaları(satır); }
    Eleman& ekle(Byte tür, Byte genişlik) {
        Eleman& e = satır.elemanlar[++satır.elemanSayısı];
        e.tür = tür;
        e.genişlik = genişlik;
        return e;
    }
    YerleşimSonucu yerleştir() { return adresle4(satır, editörÖlçeği, ölçüm); }

    Satır satır;
    ElemanÖlçümü ölçüm{[](const Eleman&) -> Byte { return 17; }, [](const Eleman&) -> Byte { return 20; }};
};

TEST_F(Layout, OneNoteStartsHalfAGapIn) {
    ekle(15, 20);
    EXPECT_EQ(yerleştir().aralık, 40);
    EXPECT_EQ(std::tuple(satır.elemanlar[1].konum.x, satır.çizimAyarı, satır.adresAyarı), std::tuple(60, 5, 7));
}

TEST_F(Layout, TheLineEndKindTakesRoomForItsBarLine) {
    satır.ayar3 = 1000;
    for (int i = 0; i < 10; ++i) ekle(15, 12);
    const double bir = yerleştir().aralık;
    for (auto [tür, pay] : {std::pair<Byte, int>{2, 2}, {4, 6}, {5, 10}, {6, 0}}) {
        satır.satırSonu = tür;
        EXPECT_NEAR(bir - yerleştir().aralık, pay / 10.0, 1e-9) << int(tür);
    }
}

TEST_F(Layout, TheLineEndsBarLineTakesThePlaceOfALastBarLine) {
    ekle(15, 12);
    const auto kapanış = [this](Byte satırSonu) {
        satır.satırSonu = satırSonu;
        return kapanışÇizgisi(satır);
    };
    EXPECT_EQ(kapanış(1), ÇizgiTürü::yok);
    EXPECT_EQ(kapanış(5), ÇizgiTürü::son);
    EXPECT_FALSE(çizgiyleBiter(satır));
    ekle(43, 8);
    EXPECT_TRUE(çizgiyleBiter(satır));
    EXPECT_EQ(kapanış(1), ÇizgiTürü::tek);
    EXPECT_EQ(kapanış(4), ÇizgiTürü::çift);
    EXPECT_EQ(kapanış(6), ÇizgiTürü::tek);
}

TEST_F(Layout, BeamTighteningDrawsMembersCloser) {
    ekle(15, 12).gurup.kiriş = 6;
    ekle(15, 12);
    yerleştir();
    int gevşek = satır.elemanlar[2].konum.x - satır.elemanlar[1].konum.x;
    satır.ayar4 = 2;
    yerleştir();
    EXPECT_EQ(gevşek - (satır.elemanlar[2].konum.x - satır.elemanlar[1].konum.x), 12);
}

TEST_F(Layout, GapsAreCappedAndPlaceholdersPulledBack) {
    ekle(15, 12);
    ekle(36, 10);
    ekle(15, 12);
    yerleştir();
    EXPECT_EQ(std::tuple(satır.elemanlar[1].konum.x, satır.elemanlar[2].konum.x), std::tuple(60, 60 + 12 + 40 - 20));
}

TEST_F(Layout, AttachedNotesAtTheirPlaceAreSkipped) {
    ekle(15, 12);
    Eleman& takı = ekle(14, 12);
    takı.takıKonumu = 1900;
    takı.konum.x = 333;
    ekle(15, 12);
    yerleştir();
    EXPECT_EQ(std::tuple(satır.elemanlar[2].konum.x, satır.elemanlar[3].konum.x), std::tuple(333, 60 + 12 + 40));
}

TEST_F(Layout, SignaturesAndUsulsAreMeasuredFirst) {
    ekle(tür::donanım, 0);
    ekle(tür::usul, 0);
    yerleştir();
    EXPECT_EQ(std::tuple(satır.elemanlar[1].genişlik, satır.elemanlar[2].genişlik), std::tuple(17, 20));
}

TEST(ScoreStrip, BandsAndHeight) {
    auto eser = yeniEser(varsayılanTercihler());
    EXPECT_EQ(şeritYüksekliği(*eser), 724);
    EXPECT_EQ(bantTepesi(126), 15000);
    // In the overlap of two bands, the lower one.
    for (auto [y, satır] : {std::pair{0, 1}, {119, 1}, {122, 2}, {15127, 126}, {20000, 126}})
        EXPECT_EQ(bantSatırı(y), satır) << y;
    eser->satırlar[9].elemanSayısı = 1;
    EXPECT_EQ(şeritYüksekliği(*eser), 9 * 120 + 4);
}

TEST(PageComposition, LinesOfAPageAndTheirPlaces) {
    auto eser = yeniEser(varsayılanTercihler());
    auto satırlar = sayfaSatırları(*eser, 2);
    ASSERT_EQ(satırlar.size(), 10u);
    EXPECT_EQ(std::tuple(satırlar.front().satır, satırlar.back().satır), std::tuple(11, 20));
    EXPECT_EQ(std::tuple(satırlar[0].y, satırlar[1].y, satırlar[2].y), std::tuple(80, 170, 260));
    eser->başlık.aralıklar.satırAralıkları[11] = 15;
    EXPECT_EQ(sayfaSatırları(*eser, 2)[1].y, 185);
    EXPECT_EQ(sayfaSatırları(*eser, 13).back().satır, 126);
    EXPECT_TRUE(sayfaSatırları(*eser, 20).empty()) << "a page that starts past the last line shows none";
}

TEST(PageComposition, TitlesByGroup) {
    EXPECT_EQ(std::tuple(başlıkX(2, 200, 800, 40), başlıkX(5, 200, 800, 40), başlıkX(8, 200, 800, 40)),
              std::tuple(300, 40, 582));
}

class Slurs : public ::testing::Test {
protected:
    Slurs() {
        satır.elemanSayısı = 6;
        for (int j = 1; j <= 6; ++j) {
            satır.elemanlar[j].tür = 15;
            satır.elemanlar[j].sapYönü = Text<1>("p");
            satır.elemanlar[j].konum.x = static_cast<Integer>(50 * j);
        }
    }
    void yay(int k, int ilk, int son) {
        for (int j = ilk; j <= son; ++j)
            satır.elemanlar[j].yay[k].durum = j == ilk ? 1 : j == son ? 3 : 2;
    }
    Satır satır;
};

TEST_F(Slurs, AnExistingSlurIsFoundOnAnyLayer) {
    yay(1, 1, 4);
    yay(2, 2, 3);
    EXPECT_EQ(yaykararı(satır, 2, 3), yayZatenVar);
}

TEST_F(Slurs, ANewSlurTakesTheFirstFreeLayer) {
    EXPECT_EQ(yaykararı(satır, 2, 4), 1);
    yay(1, 3, 5);
    EXPECT_EQ(yaykararı(satır, 2, 4), 2);
    yay(2, 1, 2);
    yay(3, 4, 6);
    yay(4, 2, 2);
    EXPECT_EQ(yaykararı(satır, 2, 4), 0);
}

TEST_F(Slurs, EndPointsFollowTheStems) {
    auto yukarı = yayUçları(satır, 1, 3, 1, editörÖlçeği, 800);
    EXPECT_EQ(std::tuple(yukarı.x1, yukarı.x2, yukarı.y1), std::tuple(50 + 12, 150, 75));
    satır.elemanlar[3].sapYönü = Text<1>("d");
    EXPECT_EQ(yayUçları(satır, 1, 3, 1, editörÖlçeği, 800).y2, 95);
    auto triole = yayUçları(satır, 1, 3, trioleKatmanı, editörÖlçeği, 800);
    EXPECT_EQ(std::tuple(triole.x1, triole.x2), std::tuple(58, 154));
    EXPECT_EQ(yayUçları(satır, 1, 1, girenYarımBağ, editörÖlçeği, 800).x1, -50);
}

TEST_F(Slurs, ShapeValuesGoWhereTheirLayerKeepsThem) {
    auto& e = satır.elemanlar;
    yayKoordinatYaz(satır, 7, 9, 1, 3, 2);
    EXPECT_EQ(std::tuple(e[1].yay[2].yayYükseklik, e[3].yay[2].yayYükseklik), std::tuple(7, 9));
    yayKoordinatYaz(satır, 4, 5, 2, 4, trioleKatmanı);
    EXPECT_EQ(std::tuple(e[2].triole.parantezYüksekliği, e[4].triole.parantezYüksekliği), std::tuple(4, 5));
    yayKoordinatYaz(satır, 1, 6, 5, 6, çıkanYarımBağ);
    EXPECT_EQ(std::tuple(e[5].heceAralığı.yayYükseklik, e[6].heceAralığı.yayYükseklik), std::tuple(6, 6));
}

TEST_F(Slurs, TheLinesSlursAndTheirShapes) {
    yay(2, 2, 3);
    yay(1, 1, 4);
    yayKoordinatYaz(satır, 0, 9, 1, 4, 1);
    EXPECT_EQ(satırınYayları(satır), (std::vector<YayYeri>{{1, 4, 1}, {2, 3, 2}}));
    const YayBiçimi b = yayBiçimi(satır, {1, 4, 1});
    EXPECT_EQ(std::tuple(b.ilkYükseklik, b.sonYükseklik), std::tuple(12, 9)) << "never shaped: after its length, at most 12";
}

TEST_F(Slurs, HalfTiesLeaveFromTheLastNoteAndEnterAtTheFirst) {
    satır.elemanlar[1].tür = 43;
    satır.elemanlar[6].tür = tür::sus;
    EXPECT_EQ(std::tuple(yarımBağKatmanı(satır, 2), yarımBağKatmanı(satır, 3), yarımBağKatmanı(satır, 5)),
              std::tuple(girenYarımBağ, 0, çıkanYarımBağ));
}

}  // namespace
}  // namespace selvika
