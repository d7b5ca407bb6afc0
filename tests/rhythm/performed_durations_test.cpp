#include "rhythm/performed_durations.h"

#include <gtest/gtest.h>

#include "tests/rhythm/line_builder.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

std::vector<int> süreler(const Satır& satır) {
    std::vector<int> s;
    for (int j = 1; j <= satır.elemanSayısı; ++j) s.push_back(satır.elemanlar[j].süreBirim);
    return s;
}

std::vector<int> çal(test::SatırYazıcı& y) {
    test::SenaryoluEtkileşim kullanıcı;
    süreBirimleriniYaz(y.satır, kullanıcı);
    return süreler(y.satır);
}

TEST(SüreBirim, ABeamedEighthTripletPlaysElevenTenEleven) {
    test::SatırYazıcı y;
    y.kirişli({0, 0}, true);
    EXPECT_EQ(çal(y), (std::vector<int>{11, 10, 11}));
}

TEST(SüreBirim, TripletsOfShorterNotesAddUpToTwoOfTheirNotes) {
    test::SatırYazıcı onaltılık, otuzikilik, altmışdörtlük;
    onaltılık.kirişli({3, 3}, true);
    otuzikilik.kirişli({6, 6}, true);
    altmışdörtlük.kirişli({9, 9}, true);
    EXPECT_EQ(çal(onaltılık), (std::vector<int>{5, 6, 5}));
    EXPECT_EQ(çal(otuzikilik), (std::vector<int>{3, 2, 3}));
    EXPECT_EQ(çal(altmışdörtlük), (std::vector<int>{1, 2, 1}));
}

TEST(SüreBirim, ADottedEighthOutsideAGroupPlaysTwentyFour) {
    test::SatırYazıcı y;
    y.nota(8, 1);
    EXPECT_EQ(çal(y), std::vector<int>{24});
}

TEST(SüreBirim, BeamedMembersPlayTheirBeamValueWithTheirDot) {
    test::SatırYazıcı y;
    y.kirişli({1});
    y.satır.elemanlar[1].nokta = 1;
    EXPECT_EQ(çal(y), (std::vector<int>{12, 16}));
}

TEST(SüreBirim, SignsPlayNothingAndEmptySlotsAreLeftAlone) {
    test::SatırYazıcı y;
    y.çizgi().usul(5).ekle(0).süreBirim = 7;
    y.satır.elemanlar[1].süreBirim = 9;
    EXPECT_EQ(çal(y), (std::vector<int>{0, 0, 7}));
}

TEST(SüreBirim, ABadBeamCodeShowsSüreHatasıAndPlaysAnEighth) {
    test::SatırYazıcı y;
    y.kirişli({11});  // read by both members
    test::SenaryoluEtkileşim kullanıcı;
    süreBirimleriniYaz(y.satır, kullanıcı);
    EXPECT_EQ(süreler(y.satır), (std::vector<int>{16, 16}));
    EXPECT_EQ(kullanıcı.metinler(), (std::vector<std::string>{"süre hatası", "süre hatası"}));
}

}  // namespace
}  // namespace selvika
