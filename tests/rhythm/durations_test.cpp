#include "rhythm/durations.h"

#include <gtest/gtest.h>

#include "tests/rhythm/line_builder.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

TEST(Surebul, AFirstMemberTakesTheLeftEndOfItsCode) {
    test::SatırYazıcı y;
    y.kirişli({1});
    EXPECT_EQ(surebul1(y.satır, 1), 16);
}

TEST(Surebul, ALastMemberTakesTheRightEndOfTheCodeBeforeIt) {
    test::SatırYazıcı y;
    y.kirişli({1});
    EXPECT_EQ(surebul1(y.satır, 2), 8);
}

TEST(Surebul, AnInnerMemberTakesTheShorterOfItsTwoSides) {
    test::SatırYazıcı y;
    y.kirişli({2, 4});
    EXPECT_EQ(surebul1(y.satır, 2), 32);
}

TEST(Surebul, ABadCodeShowsSüreHatasıAndGivesAnEighth) {
    test::SatırYazıcı y;
    y.kirişli({12});
    test::SenaryoluEtkileşim kullanıcı;
    EXPECT_EQ(surebul(y.satır, 1, kullanıcı), 8);
    EXPECT_EQ(kullanıcı.metinler(), std::vector<std::string>{"süre hatası"});
}

TEST(Surebul, ABadCodeOnTheCheckedCopyGivesZeroSilently) {
    test::SatırYazıcı y;
    y.kirişli({12});
    EXPECT_EQ(surebul1(y.satır, 1), 0);
}

TEST(ElemanDeğeri, ADottedHalfIsNinetySixUnitsNamedThreeQuarters) {
    test::SatırYazıcı y;
    y.nota(2, 1);
    EXPECT_EQ(elemanDeğeri(y.satır, 1)->birim, 96);
    EXPECT_EQ(süreAdı(96), "üç adet 4 lük");
}

TEST(ElemanDeğeri, BeamedSixteenthsInATripletCountSixteenUnits) {
    test::SatırYazıcı y;
    y.kirişli({3, 3}, true);
    auto değer = elemanDeğeri(y.satır, 1);
    EXPECT_EQ(değer->birim, 16);
    EXPECT_EQ(değer->son, 3);
}

TEST(ElemanDeğeri, BeamedEighthsInATripletCountOneQuarter) {
    test::SatırYazıcı y;
    y.kirişli({0, 0}, true);
    EXPECT_EQ(elemanDeğeri(y.satır, 1)->birim, 32);
}

TEST(ElemanDeğeri, UnbeamedQuartersInATripletCountNoteByNote) {
    test::SatırYazıcı y;
    y.nota(4).nota(4).nota(4);
    int toplam = 0;
    for (int j = 1; j <= 3; ++j) {
        y.satır.elemanlar[j].triole.trioleYeri = static_cast<Byte>(j);
        toplam += elemanDeğeri(y.satır, j)->birim;
    }
    EXPECT_EQ(toplam, 96);
}

TEST(ElemanDeğeri, ABeamedSixtyFourthIsTwoUnits) {
    test::SatırYazıcı y;
    y.kirişli({9});
    EXPECT_EQ(elemanDeğeri(y.satır, 2)->birim, 2);
}

TEST(ElemanDeğeri, ABeamCodeWithoutValueHasNoValue) {
    test::SatırYazıcı y;
    y.kirişli({10});
    EXPECT_FALSE(elemanDeğeri(y.satır, 1));
}

TEST(SüreAdı, AnAmountWithoutANameHasNone) { EXPECT_FALSE(süreAdı(10)); }

TEST(BirimNota, TheUnitNotesAreQuarterEighthAndSixteenth) {
    ASSERT_EQ(birimNotalar.size(), 3u);
    EXPECT_EQ(birimNotalar[0].değer, 4);
    EXPECT_EQ(birimNotalar[1].başlık, "Sekizlik");
    EXPECT_EQ(birimNotalar[2].başlık, "Onaltılık");
}

}  // namespace
}  // namespace selvika
