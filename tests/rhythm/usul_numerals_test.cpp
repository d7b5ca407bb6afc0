#include "rhythm/usul_numerals.h"

#include <gtest/gtest.h>

namespace selvika {
namespace {

TEST(UsulRakamları, NumeralsOfSmallFiveBeatAndLargeUsuls) {
    const struct { int kod; std::string_view pay, payda; } rakamlar[] = {
        {55, "5", "4"}, {53, "120", "4"}, {56, "", ""}, {-1, "", ""}};
    for (const auto& r : rakamlar) {
        EXPECT_EQ(Pay(r.kod), r.pay) << r.kod;
        EXPECT_EQ(payda(r.kod), r.payda) << r.kod;
    }
}

TEST(UsulRakamları, MeasureLengthsOfSmallUsulsOnly) {
    for (auto [kod, uzunluk] : {std::pair{14, 72}, {23, 768}, {15, 144}, {0, 32}, {28, 0}, {55, 0}, {-1, 0}})
        EXPECT_EQ(mezürzam(kod), uzunluk) << kod;
}

// Captions keep their spaces; the large usuls come in pairs over eight and four.
TEST(UsulRakamları, Captions) {
    const std::pair<int, std::string_view> başlıklar[] = {
        {0, "2/8  nimsofyan-1"}, {14, "9/16 yürük aksak "}, {25, "13/4 "},    {54, "5/4 A. Türk Aksağı"},
        {55, "devri süreyya"},   {28, "16/8"},              {29, "16/4"},     {35, "21/4"},
        {46, "48/8"},            {47, "48/4 sakil"},        {48, "64/8 havi"}, {50, "88/8 darb-ı fetih"},
        {52, "120/8 zencir"},    {56, ""}};
    for (auto [kod, başlık] : başlıklar) EXPECT_EQ(usulBaşlığı(kod), başlık) << kod;
}

}  // namespace
}  // namespace selvika
