#include <gtest/gtest.h>

#include "render/box_check.h"

namespace selvika {
namespace {

using enum KutuTürü;

// Line 1 unless said; a page 100 × 100 with margins of 10, a staff space
// of 4 and 0.4 of tolerance.
ÇizilenKutu k(KutuTürü tür, int eleman, Kutu kutu, int satır = 1) { return {{tür, satır, eleman}, kutu}; }
const DenetimÖlçüleri ölçüler{4, 10, 0.4};

DenetimSonucu denetle(std::vector<ÇizilenKutu> kutular) {
    return kutularıDenetle({{1, 100, 100, std::move(kutular)}}, ölçüler);
}

struct Durum {
    const char* ad;
    std::vector<ÇizilenKutu> kutular;
    std::array<int, sorunSayısı> beklenen;  // collision, syllable, margin, doublestem
};

class BoxCheck : public ::testing::TestWithParam<Durum> {};

TEST_P(BoxCheck, CountsItsProblems) { EXPECT_EQ(denetle(GetParam().kutular).sayılar, GetParam().beklenen); }

const Durum durumlar[] = {
    {"HeadsOfTwoNotes", {k(head, 1, {20, 20, 30, 30}), k(head, 2, {25, 20, 35, 30})}, {1, 0, 0, 0}},
    {"PartsOfOneNote", {k(accidental, 1, {20, 20, 26, 30}), k(head, 1, {24, 20, 34, 30})}, {0, 0, 0, 0}},
    {"SameElementOnAnotherLine", {k(head, 1, {20, 20, 30, 30}), k(head, 1, {25, 20, 35, 30}, 2)}, {1, 0, 0, 0}},
    {"TwoBoxesOfNoElement", {k(title, 0, {20, 20, 60, 30}, 0), k(title, 0, {50, 20, 80, 30}, 0)}, {1, 0, 0, 0}},
    {"WithinTolerance", {k(head, 1, {20, 20, 30, 30}), k(head, 2, {29.7, 20, 40, 30})}, {0, 0, 0, 0}},
    {"StemIntoItsBeam", {k(beam, 1, {20, 20, 60, 24}), k(stem, 2, {40, 20, 41, 40})}, {0, 0, 0, 0}},
    {"SlurOverHeads", {k(slur, 1, {20, 10, 60, 30}), k(head, 2, {30, 20, 40, 28})}, {0, 0, 0, 0}},
    {"VoltaOverAStem", {k(volta, 1, {20, 10, 60, 16}), k(stem, 2, {30, 12, 31, 28})}, {0, 0, 0, 0}},
    {"SlurIntoASyllable", {k(slur, 1, {20, 10, 60, 30}), k(syllable, 2, {30, 25, 40, 32}), k(head, 2, {30, 40, 40, 45})},
     {1, 0, 0, 0}},
    {"ExtenderFromItsSyllable", {k(syllable, 1, {20, 60, 30, 65}), k(extender, 2, {29, 63, 50, 64}), k(head, 1, {20, 40, 30, 45})},
     {0, 0, 0, 0}},
    {"SyllableUnderItsHead", {k(head, 1, {20, 40, 30, 45}), k(syllable, 1, {19, 60, 33, 65})}, {0, 0, 0, 0}},
    {"SyllableRightOfItsHead", {k(head, 1, {20, 40, 30, 45}), k(syllable, 1, {25, 60, 39, 65})}, {0, 1, 0, 0}},
    {"SyllableWithoutAHead", {k(syllable, 3, {25, 60, 39, 65})}, {0, 1, 0, 0}},
    {"PastTheLeftMargin", {k(clef, 0, {8, 40, 14, 60})}, {0, 0, 1, 0}},
    {"PastTheBottomMargin", {k(lyricblock, 0, {20, 80, 60, 95}, 0)}, {0, 0, 1, 0}},
    {"StemUpAndStemDown", {k(stem, 1, {30, 20, 31, 40}), k(stem, 1, {25, 41, 26, 60})}, {0, 0, 0, 1}},
    {"StemLengthenedByItsBeam", {k(stem, 1, {30, 20, 31, 40}), k(stem, 1, {30, 15, 31, 39})}, {0, 0, 0, 0}},
};

INSTANTIATE_TEST_SUITE_P(Boxes, BoxCheck, ::testing::ValuesIn(durumlar), [](const auto& b) { return b.param.ad; });

TEST(BoxCheckSummary, NamesThePairsAndShowsTheFirstFew) {
    std::vector<ÇizilenKutu> kutular;
    for (int i = 1; i <= 8; ++i) {
        kutular.push_back(k(accidental, 2 * i, {7.0 * i + 10, 20, 7.0 * i + 14, 30}));
        kutular.push_back(k(head, 2 * i + 1, {7.0 * i + 13, 20, 7.0 * i + 17, 30}));
    }
    const DenetimSonucu s = denetle(kutular);
    EXPECT_EQ(s.kutuSayısı, 16);
    EXPECT_EQ(s.sayılar[int(Sorun::collision)], 8);
    EXPECT_EQ(s.çarpışanTürler, (std::vector<std::pair<std::string, int>>{{"accidental/head", 8}}));
    EXPECT_EQ(s.örnekler.size(), 5u);
}

}  // namespace
}  // namespace selvika
