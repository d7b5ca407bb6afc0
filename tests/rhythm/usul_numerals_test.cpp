#include "rhythm/usul_numerals.h"

#include <gtest/gtest.h>

namespace selvika {
namespace {

TEST(UsulRakamları, CodeFiftyFiveIsFiveFourWithoutAMeasureLength) {
    EXPECT_EQ(Pay(55), "5");
    EXPECT_EQ(payda(55), "4");
    EXPECT_EQ(mezürzam(55), 0);
}

TEST(UsulRakamları, MeasureLengthsOfSmallUsuls) {
    EXPECT_EQ(mezürzam(14), 72);
    EXPECT_EQ(mezürzam(23), 768);
    EXPECT_EQ(mezürzam(15), 144);
    EXPECT_EQ(mezürzam(0), 32);
    EXPECT_EQ(mezürzam(28), 0);
}

TEST(UsulRakamları, CodesOutsideTheTableGiveEmptyTexts) {
    EXPECT_EQ(Pay(56), "");
    EXPECT_EQ(payda(-1), "");
    EXPECT_EQ(usulBaşlığı(56), "");
    EXPECT_EQ(mezürzam(-1), 0);
}

TEST(UsulRakamları, CaptionsKeepTheirSpaces) {
    EXPECT_EQ(usulBaşlığı(0), "2/8  nimsofyan-1");
    EXPECT_EQ(usulBaşlığı(14), "9/16 yürük aksak ");
    EXPECT_EQ(usulBaşlığı(25), "13/4 ");
    EXPECT_EQ(usulBaşlığı(54), "5/4 A. Türk Aksağı");
    EXPECT_EQ(usulBaşlığı(55), "devri süreyya");
}

TEST(UsulRakamları, LargeUsulsComeInPairsOverEightAndFour) {
    EXPECT_EQ(usulBaşlığı(28), "16/8");
    EXPECT_EQ(usulBaşlığı(29), "16/4");
    EXPECT_EQ(usulBaşlığı(35), "21/4");
    EXPECT_EQ(usulBaşlığı(46), "48/8");
    EXPECT_EQ(usulBaşlığı(47), "48/4 sakil");
    EXPECT_EQ(usulBaşlığı(48), "64/8 havi");
    EXPECT_EQ(usulBaşlığı(50), "88/8 darb-ı fetih");
    EXPECT_EQ(usulBaşlığı(52), "120/8 zencir");
    EXPECT_EQ(Pay(53), "120");
    EXPECT_EQ(payda(53), "4");
}

}  // namespace
}  // namespace selvika
