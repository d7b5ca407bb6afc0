#include <gtest/gtest.h>

#include <tuple>

#include "core/defaults.h"
#include "core/preferences.h"
#include "render/bar_lines.h"
#include "render/beam_geometry.h"
#include "render/drawing_preferences.h"
#include "render/key_signature_layout.h"
#include "render/syllables.h"

namespace selvika {
namespace {

TEST(Beams, PiecesOfEachPairCodeSequence) {
    const std::pair<std::vector<Byte>, std::vector<KirişParçası>> durumlar[] = {
        {{0, 0, 0}, {{1, 0, 3, 0}}},                  // equal eighths share one beam across the group
        {{3}, {{1, 0, 1, 0}, {2, 0, 1, 0}}},          // sixteenths share two
        {{1}, {{1, 0, 1, 0}, {2, 0, 0, +1}}},         // a sixteenth beside an eighth takes a stub towards it
        {{2}, {{1, 0, 1, 0}, {2, 1, 1, -1}}},
        {{2, 3}, {{1, 0, 2, 0}, {2, 1, 2, 0}}},       // no stub where the other side joins the level
    };
    for (const auto& [kodlar, parçalar] : durumlar) EXPECT_EQ(kirişParçaları(kodlar), parçalar) << kodlar.size();
    EXPECT_EQ(kirişÇifti(200).sol, 1) << "unknown codes count as eighths";
}

constexpr double orta = 80;  // the middle line's y at 10 pixels a space, 35 pixels a stem

TEST(BeamLine, FlatGroupStandsTheStemLengthAboveItsHeads) {
    KirişHattı h = kirişHattı({{0, 80}, {30, 80}}, true, 35, 10, orta);
    EXPECT_DOUBLE_EQ(h.y(0), 45);
    EXPECT_DOUBLE_EQ(h.y(30), 45);
}

TEST(BeamLine, SlopeIsHalfTheIntervalHeldToHalfASpaceOverTwoNotesAndASpaceOverMore) {
    struct Durum {
        std::vector<KirişÜyesi> üyeler;
        double yükselme;
    };
    for (const Durum& d : std::vector<Durum>{{{{0, 80}, {40, 75}}, 2.5},
                                             {{{0, 100}, {40, 60}}, 5},
                                             {{{0, 100}, {20, 80}, {40, 60}}, 10},
                                             {{{0, 80}, {20, 75}, {40, 70}}, 5}}) {
        KirişHattı h = kirişHattı(d.üyeler, true, 35, 10, orta);
        EXPECT_NEAR(h.y(0) - h.y(40), d.yükselme, 1e-9) << d.üyeler.size() << " notes from " << d.üyeler[0].başY;
    }
}

TEST(BeamLine, FlatWhenTheOuterNotesAreLevelOrAnInnerOneReachesPastThem) {
    for (const auto& üyeler : std::vector<std::vector<KirişÜyesi>>{{{0, 80}, {20, 60}, {40, 80}},
                                                                  {{0, 80}, {20, 60}, {40, 70}}}) {
        KirişHattı h = kirişHattı(üyeler, true, 35, 10, orta);
        EXPECT_DOUBLE_EQ(h.b, 0);
    }
    EXPECT_NE(kirişHattı({{0, 80}, {20, 90}, {40, 70}}, true, 35, 10, orta).b, 0)
        << "an inner head away from the beam leaves the slope";
}

TEST(BeamLine, NoStemIsShorterThanTheStemLength) {
    const std::vector<KirişÜyesi> üyeler{{0, 80}, {20, 60}, {40, 80}};
    for (bool yukarı : {true, false}) {
        KirişHattı h = kirişHattı(üyeler, yukarı, 35, 10, orta);
        for (const KirişÜyesi& ü : üyeler) EXPECT_GE(std::abs(h.y(ü.sapX) - ü.başY), 35 - 1e-9);
    }
    EXPECT_NEAR(60 - kirişHattı(üyeler, true, 35, 10, orta).y(20), 35, 1e-9) << "stems up: the highest head decides";
    EXPECT_NEAR(kirişHattı(üyeler, false, 35, 10, orta).y(0) - 80, 35, 1e-9) << "stems down: the lowest heads decide";
}

TEST(BeamLine, StemsOfNotesBelowTheLedgerLinesReachTheMiddleLine) {
    KirişHattı h = kirişHattı({{0, 140}, {20, 140}}, true, 35, 10, orta);
    EXPECT_DOUBLE_EQ(h.y(0), orta);
}

TEST(BeamGroups, TheNoteFarthestFromTheMiddleLineDecides) {
    EXPECT_TRUE(gurupSapıYukarı({12, 13, 18})) << "the low note outweighs two higher ones";
    EXPECT_FALSE(gurupSapıYukarı({16, 17, 9}));
    EXPECT_TRUE(gurupSapıYukarı({12, 16, 16})) << "equal distances: the majority below";
    EXPECT_FALSE(gurupSapıYukarı({12, 16})) << "balanced: down";
    EXPECT_FALSE(gurupSapıYukarı({14, 14}));
}

TEST(BeamGroups, AnyMemberFindsItsGroup) {
    Satır satır;
    const std::vector<Byte> yerler{0, 1, 2, 3, 1, 3, 0};
    for (int i = 1; i <= 6; ++i) satır.elemanlar[i].gurup.gurupYeri = yerler[i];
    for (int i : {1, 2, 3}) EXPECT_EQ(gurubu(satır, i, 6).son, 3) << i;
    EXPECT_EQ(gurubu(satır, 5, 6).ilk, 4);
    EXPECT_EQ(gurubu(satır, 6, 6).ilk, 0) << "outside any group";
    satır.elemanlar[5].gurup.gurupYeri = 2;
    EXPECT_EQ(gurubu(satır, 4, 5).ilk, 0) << "a group cut off by the line's end";
}

TEST(KeySignatures, AccidentalsStandTheirOwnWidthAndAGapApart) {
    const std::vector<DonanımArızası> arızalar{{Harf::fa, 5}, {Harf::do_, 5}, {Harf::si, -1}};
    const DonanımDizilişi d = donanımDizilişi(arızalar);
    ASSERT_EQ(d.xler.size(), 3u);
    EXPECT_NEAR(d.xler[1], 13.64 + 2, 1e-9) << "a mücenneb sharp is wider than a staff space";
    EXPECT_NEAR(d.xler[2], 2 * (13.64 + 2), 1e-9);
    EXPECT_NEAR(d.genişlik, d.xler[2] + 9.04, 1e-9);
}

class Syllables : public ::testing::Test {
protected:
    Syllables() {
        satıratamaları(satır);
        for (int i = 1; i <= 4; ++i) {
            Eleman& e = satır.elemanlar[i];
            e.tür = 12;
            e.süre = 4;
            e.hece = 1;
        }
        satır.elemanSayısı = 4;
    }
    Satır satır;
};

TEST_F(Syllables, EachFlaggedElementTakesTheNextSyllableOfEveryRow) {
    satır.güfteSatırları[1] = Text<100>("Üs kü dar");
    satır.elemanlar[2].hece = 0;
    const auto h = heceleriDağıt(satır);
    EXPECT_EQ(std::tuple(h[1][0], h[2][0], h[3][0], h[4][0]), std::tuple("Üs", "", "kü", "dar"));
    EXPECT_EQ(h[1][1], "") << "an empty second row draws nothing";
}

TEST_F(Syllables, TheLastSyllableTakesTheWholeRemainder) {
    satır.güfteSatırları[2] = Text<100>("a b");
    satır.elemanSayısı = 1;
    EXPECT_EQ(heceleriDağıt(satır)[1][1], "a");
    satır.elemanSayısı = 2;
    EXPECT_EQ(heceleriDağıt(satır)[2][1], "b");
}

TEST_F(Syllables, PlaceholderHoldsAPlaceAndPrintsNothing) {
    satır.güfteSatırları[1] = Text<100>("Q ya");
    const auto h = heceleriDağıt(satır);
    EXPECT_TRUE(yerTutucu(h[1][0]));
    EXPECT_TRUE(yerTutucu("q"));
    EXPECT_FALSE(yerTutucu("Qa"));
    EXPECT_EQ(h[2][0], "ya");
}

TEST(SyllablePlacement, CentredUnderTheHeadOrFromItsLeftEdge) {
    EXPECT_DOUBLE_EQ(heceSolu(100, 12, 20, HeceYeri::ortada), 96);
    EXPECT_DOUBLE_EQ(heceSolu(100, 12, 20, HeceYeri::solda), 100);
}

// The screen takes one slur thickness and print the other; the three
// display choices are the styles of the dolap, instrument and syllable lines.
TEST(DrawingPreferences, HeaderValuesBecomeWhatTheDrawingReads) {
    EserBaşlık b;
    b.ayarlar = {.liezonKalınlığı1 = 1, .liezonKalınlığı2 = 3, .fareİmleci = 0};
    b.görünümSeçimleri = {.c = 4, .b = 0, .a = 2};
    b.bayraklar.trioleGörünümü = false;
    b.bayraklar.güfteYeri = 1;
    const ÇizimTercihleri ekran = çizimTercihleri(b, editörÖlçeği), baskı = çizimTercihleri(b, sayfaÖlçeği);
    EXPECT_EQ(std::tuple(ekran.liezonKatı, baskı.liezonKatı), std::tuple(1.5, 0.5));
    EXPECT_EQ(std::tuple(ekran.trioleParantezi, ekran.dolap, ekran.saz, ekran.heceDevam, ekran.güfteYeri),
              std::tuple(false, ÇizgiStili::noktalı, ÇizgiStili::düz, ÇizgiStili::kesikİkiNoktalı, HeceYeri::solda));
}

TEST(DrawingPreferences, ValuesOutOfRangeCountAsTheNearestOrSolid) {
    EXPECT_EQ(std::tuple(liezonKatı(0), liezonKatı(2), liezonKatı(9)), std::tuple(0.5, 1.0, 1.5));
    EXPECT_EQ(çizgiStili(5), ÇizgiStili::düz);
    EXPECT_EQ(çizgiStili(3), ÇizgiStili::kesikNoktalı);
}

TEST(DrawingPreferences, ANewScoreDrawsEngravedSlursSolidVoltasAndDashedInstrumentLines) {
    EserBaşlık b;
    tercihleriBaşlığaKoy(varsayılanTercihler(), b);
    const ÇizimTercihleri t = çizimTercihleri(b, editörÖlçeği);
    EXPECT_EQ(std::tuple(t.liezonKatı, t.trioleParantezi, t.dolap, t.saz, t.heceDevam, t.güfteYeri),
              std::tuple(1.0, true, ÇizgiStili::düz, ÇizgiStili::kesik, ÇizgiStili::düz, HeceYeri::ortada));
}

TEST(BarLines, AVoltaClosesAtTheNextBarLine) {
    Satır satır;
    for (Byte tür : {14, 14, 43, 14, 34}) satır.elemanlar[++satır.elemanSayısı].tür = tür;
    EXPECT_EQ(sonrakiÇizgi(satır, 2), 3);
    EXPECT_EQ(sonrakiÇizgi(satır, 3), 3) << "a volta ending on the bar line itself";
    EXPECT_EQ(sonrakiÇizgi(satır, 4), 5);
    satır.elemanSayısı = 4;
    EXPECT_EQ(sonrakiÇizgi(satır, 4), 0);
}

TEST(BarLines, EveryBarKindHasAGlyphAndOthersNone) {
    for (int t : {33, 34, 37, 38, 39, 41, 43, 44, 45, 46, 47, 48, 49, 50, 51})
        EXPECT_NE(ölçüÇizgisiGlifi(ölçüÇizgisiTürü(Byte(t))), 0) << t;
    for (int t : {31, 32, 35, 36, 40, 42, 52}) EXPECT_EQ(ölçüÇizgisiTürü(Byte(t)), ÇizgiTürü::yok) << t;
    EXPECT_EQ(ölçüÇizgisiGlifi(ölçüÇizgisiTürü(43)), 'b');
    EXPECT_EQ(ölçüÇizgisiGlifi(ölçüÇizgisiTürü(34)), 'd');
}

}  // namespace
}  // namespace selvika
