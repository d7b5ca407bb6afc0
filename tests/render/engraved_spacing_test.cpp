#include <gtest/gtest.h>

#include "render/engraved_spacing.h"

namespace selvika {
namespace {

constexpr double sp = 10;  // line units a staff space
constexpr Byte çizgi = 43;

// A line from (kind, value) pairs: a note at staff position 12 of value
// `süre` for kind 12, a 6-wide bar line for kind 43, a key signature for 40.
Satır satır(std::initializer_list<std::pair<Byte, Byte>> elemanlar) {
    Satır s;
    for (auto [t, süre] : elemanlar) {
        Eleman& e = s.elemanlar[++s.elemanSayısı];
        e.tür = t;
        e.süre = süre;
        e.genişlik = t == çizgi ? 6 : t == tür::donanım ? 30 : 12;
        e.gurup.gurupYeri = 1;  // beamed: no flags
    }
    return s;
}

double aralık(const GravürSonucu& g, int i) { return g.x[i + 1] - g.x[i]; }

// Set on a wide area the springs stretch alike; on none at all every gap
// shrinks to its least distance.
const GravürGirdisi geniş{0, 1000}, dar{0, 0};

TEST(EngravedSpacing, EachDoublingOfADurationAddsTheSameSpace) {
    const GravürSonucu g = gravürAralıkları(satır({{12, 16}, {12, 16}, {12, 8}, {12, 4}, {12, 2}}), geniş);
    const double kısa = aralık(g, 1);  // the shortest value: two increments
    EXPECT_NEAR(aralık(g, 2), kısa, 1e-6);
    EXPECT_NEAR(aralık(g, 3), kısa * 3 / 2, 1e-6);
    EXPECT_NEAR(aralık(g, 4), kısa * 4 / 2, 1e-6);
    EXPECT_NEAR(1000 - g.x[5], kısa * 5 / 2, 1e-6) << "the half note's space runs to the staff's end";
    EXPECT_TRUE(g.sığdı);
}

TEST(EngravedSpacing, OneShortNoteDoesNotWidenTheLine) {
    const GravürSonucu g = gravürAralıkları(satır({{12, 32}, {12, 8}, {12, 8}, {12, 4}}), geniş);
    EXPECT_NEAR(aralık(g, 1), aralık(g, 2) / 2, 1e-6) << "the eighths are the line's common shortest value";
    EXPECT_NEAR(aralık(g, 2), aralık(g, 3), 1e-6);
}

// The head, the padding, the accidental's real glyph width and its distance
// from its head.
struct Arızalı {
    int arıza;
    double glifEni;
};
class AccidentalRoom : public ::testing::TestWithParam<Arızalı> {};

TEST_P(AccidentalRoom, PushesItsNoteRightOfThePreviousHead) {
    Satır s = satır({{12, 16}, {12, 16}, {12, 16}});
    s.elemanlar[2].arıza.arıza = Integer(GetParam().arıza);
    const GravürSonucu g = gravürAralıkları(s, dar);
    EXPECT_NEAR(aralık(g, 1), 11.8 + 0.5 * sp + GetParam().glifEni * sp + 0.3 * sp, 1e-6);
    EXPECT_NEAR(aralık(g, 2), 11.8 + 0.5 * sp, 1e-6);
    EXPECT_FALSE(g.sığdı);
}
INSTANTIATE_TEST_SUITE_P(KomaGlyphs, AccidentalRoom,
                         ::testing::Values(Arızalı{-1, 0.904}, Arızalı{2, 1.9}, Arızalı{8, 1.364}, Arızalı{15, 0.672}));

TEST(EngravedSpacing, DotsAndBarLinesKeepClear) {
    Satır s = satır({{12, 16}, {12, 16}, {çizgi, 0}, {12, 16}});
    s.elemanlar[1].nokta = 1;
    const GravürSonucu g = gravürAralıkları(s, dar);
    EXPECT_NEAR(aralık(g, 1), 1.9 * sp + 0.5 * sp, 1e-6) << "the dot ends 1.9 spaces from the head's left edge";
    EXPECT_NEAR(aralık(g, 2), 11.8 + sp, 1e-6) << "a space of white before the bar line";
    EXPECT_NEAR(aralık(g, 3), 6 + sp, 1e-6) << "and after it";
}

TEST(EngravedSpacing, AttachedNotesKeepTheirPlaceBesideTheirNeighbour) {
    Satır s = satır({{12, 8}, {12, 8}, {12, 8}});
    s.elemanlar[2].takıKonumu = 900;
    s.elemanlar[1].konum.x = 100;
    s.elemanlar[2].konum.x = 93;
    const GravürSonucu g = gravürAralıkları(s, dar);
    EXPECT_NEAR(g.x[2] - g.x[1], -7, 1e-6);
    EXPECT_NEAR(g.x[3] - g.x[1], 11.8 + 0.5 * sp, 1e-6) << "taking no room of its own";
}

TEST(EngravedSpacing, SyllablesStayCentredAndPushTheirNotesApart) {
    const Satır s = satır({{12, 16}, {12, 16}, {12, 16}, {12, 16}});
    GravürGirdisi girdi = dar;
    girdi.heceEni = [](int i, int r) { return r == 0 && i != 3 ? 60.0 : 0.0; };
    const GravürSonucu g = gravürAralıkları(s, girdi);
    EXPECT_NEAR(aralık(g, 1), 60 + 5, 1e-6) << "two syllables 60 wide, 5 apart, centred under equal heads";
    EXPECT_NEAR(g.x[4] - g.x[2], 65, 1e-6) << "spread over both gaps between them";
    EXPECT_NEAR(aralık(g, 2), aralık(g, 3), 1e-6) << "in proportion to their natural lengths";
    EXPECT_NEAR(g.x[1] + 5.9 - 30, 0, 1e-6) << "the first syllable starts within the area";
}

TEST(EngravedSpacing, JustifiesTheLineToTheWidth) {
    const Satır s = satır({{12, 8}, {12, 8}, {12, 4}, {çizgi, 0}});
    const GravürSonucu g = gravürAralıkları(s, {40, 940});
    EXPECT_NEAR(g.x[4] + 6, 940, 1e-6) << "the closing bar line's right edge on the staff's end";
    EXPECT_NEAR(aralık(g, 1) / 2.4, aralık(g, 3) / 3.6, 1e-6) << "the springs stretched alike";
    EXPECT_GE(g.x[1], 40);
}

TEST(EngravedSpacing, SplitsAnOverfullLineAtBarLinesOnly) {
    Satır s = satır({{40, 0}, {12, 16}, {12, 16}, {12, 16}, {çizgi, 0}, {12, 16}, {12, 16}, {12, 16}, {çizgi, 0},
                     {12, 16}, {12, 16}, {12, 16}});
    for (int i : {2, 3, 4, 6, 7, 8, 10, 11, 12}) {
        s.elemanlar[i].arıza.arıza = 2;
        s.elemanlar[i].hece = 1;
    }
    s.güfteSatırları[1] = Text<100>("a b c d e f g h i");
    s.satırSonu = satırSonuTürü::sonÇizgi;
    EXPECT_EQ(sistemlereBöl(s, {0, 2000}), (std::vector<ElemanAralığı>{{1, 12}})) << "a line that fits stays whole";
    const auto sistemler = sistemlereBöl(s, {0, 200});
    EXPECT_EQ(sistemler, (std::vector<ElemanAralığı>{{1, 5}, {6, 9}, {10, 12}}));
    for (ElemanAralığı a : sistemler) EXPECT_TRUE(gravürAralıkları(s, {0, 200}, a.ilk, a.son).sığdı);
    EXPECT_FALSE(gravürAralıkları(s, {0, 200}).sığdı);

    const Sistem ikinci = sistemSatırı(s, sistemler[1]);
    EXPECT_EQ(ikinci.satır.elemanSayısı, 5) << "the key signature repeated in front";
    EXPECT_EQ(ikinci.satır.elemanlar[1].tür, tür::donanım);
    EXPECT_EQ(ikinci.kayma, 4) << "its element 2 is the line's element 6";
    EXPECT_EQ(ikinci.satır.güfteSatırları[1].trimmed(), "d e f g h i");
    EXPECT_EQ(ikinci.satır.satırSonu, satırSonuTürü::yalın) << "it closes with its own bar line";
}

// An expression keeps its place over the element it stands over; a system
// without that element leaves it out.
TEST(EngravedSpacing, ExpressionsMoveWithTheirElement) {
    Satır önce = satır({{12, 8}, {12, 8}, {12, 8}});
    Satır sonra = önce;
    for (int i = 1; i <= 3; ++i) önce.elemanlar[i].konum.x = Integer(100 * i), sonra.elemanlar[i].konum.x = Integer(200 * i);
    önce.ifadeler[1].konum1 = 210;
    önce.ifadeler[2].konum1 = 50;
    Satır hedef = önce;
    ifadeleriTaşı(önce, sonra, {1, 3}, 0, hedef);
    EXPECT_EQ(hedef.ifadeler[1].konum1, 410);
    EXPECT_EQ(hedef.ifadeler[2].konum1, 150) << "left of every element: over the first";
    hedef = önce;
    ifadeleriTaşı(önce, sonra, {3, 3}, 2, hedef);
    EXPECT_FALSE(hedef.ifadeler[1].kullanımda()) << "its element is in another system";
}

// Two short lines in one system: the second's repeated key signature and
// usul numeral left out, its syllables after the first's in every row, its
// elements traced back to their own line.
TEST(JoinedLines, TheSecondFollowsTheFirstWithoutRepeatingItsSignatures) {
    Satır a = satır({{40, 0}, {tür::usul, 0}, {12, 8}, {12, 8}, {çizgi, 0}});
    Satır b = satır({{40, 0}, {tür::usul, 0}, {12, 8}, {12, 8}, {çizgi, 0}});
    for (Satır* x : {&a, &b}) x->elemanlar[1].usulNo = 3, x->elemanlar[2].usulNo = 7;
    a.elemanlar[3].hece = a.elemanlar[4].hece = b.elemanlar[3].hece = 1;
    a.güfteSatırları[1] = Text<100>("Üs- kü");
    b.güfteSatırları[1] = Text<100>("dar");
    b.güfteSatırları[2] = Text<100>("ye");
    const auto j = birleşikSistem({a}, b, 7);
    ASSERT_TRUE(j);
    EXPECT_EQ(j->satır.elemanSayısı, 8);
    EXPECT_EQ(j->satır.elemanlar[6].tür, 12);
    EXPECT_EQ(j->satır.güfteSatırları[1].trimmed(), "Üs- kü dar");
    EXPECT_EQ(j->satır.güfteSatırları[2].trimmed(), "Q Q ye") << "the first line's notes keep no syllable of row 2";
    EXPECT_EQ(std::tuple(j->ekBaşı, j->ekSatır, j->ekKayma), std::tuple(6, 7, -3)) << "its element 6 is line 7's element 3";
    EXPECT_FALSE(birleşikSistem(*j, b, 8)) << "two lines to a system";

    b.elemanlar[2].usulNo = 8;
    EXPECT_EQ(birleşikSistem({a}, b, 7)->satır.elemanSayısı, 9) << "another usul stays";
    b.ifadeler[1].konum1 = 5;
    EXPECT_FALSE(birleşikSistem({a}, b, 7)) << "an expression belongs to its own staff";
    b.ifadeler[1].konum1 = 0;
    a.elemanSayısı = 58;
    EXPECT_FALSE(birleşikSistem({a}, b, 7)) << "more elements than a line holds";
}

}  // namespace
}  // namespace selvika
