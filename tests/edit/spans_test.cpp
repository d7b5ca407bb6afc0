#include <gtest/gtest.h>

#include <tuple>

#include "edit/spans.h"
#include "tests/edit/line_builder.h"
#include "tests/support/line_values.h"

namespace selvika {
namespace {

class Spans : public ::testing::Test {
protected:
    void işaretle(Aralık a, int ilk, int son) {
        for (int j = ilk; j <= son; ++j) aralıkİşareti(satır.elemanlar[j], a) = j == ilk ? 1 : j == son ? 3 : 2;
    }
    std::vector<int> işaretler(Aralık a) {
        return test::herEleman(satır, [a](const Eleman& e) { return aralıkİşareti(e, a); });
    }
    Satır satır = test::dizilmişSatır(8);
};

// Two spans side by side; a cancel from any member clears its span only.
TEST_F(Spans, CancellingFromAnyMemberClearsTheWholeSpanOnly) {
    using İptal = void (*)(Satır&, int);
    const std::tuple<Aralık, İptal, int, std::vector<int>> durumlar[] = {
        {Aralık::yay2, [](Satır& s, int j) { yayiptal(s, j, 2); }, 3, {0, 0, 0, 0, 0, 1, 2, 3}},
        {Aralık::heceÇizgi, hececiziptal, 5, {0, 0, 0, 0, 0, 1, 2, 3}},
        {Aralık::dolap, dolapiptal, 6, {0, 1, 2, 2, 3, 0, 0, 0}},
        {Aralık::saz, saziptal, 1, {0, 1, 2, 2, 3, 1, 2, 3}},  // an element without a mark
    };
    for (const auto& [aralık, iptal, j, beklenen] : durumlar) {
        işaretle(aralık, 2, 5);
        işaretle(aralık, 6, 8);
        iptal(satır, j);
        EXPECT_EQ(işaretler(aralık), beklenen) << static_cast<int>(aralık);
    }
}

TEST_F(Spans, ACrescendoLosesItsWholeBlock) {
    işaretle(Aralık::kresendo, 1, 2);
    satır.elemanlar[1].kresendo.değer = 7;
    kresendoiptal(satır, 1);
    EXPECT_EQ(satır.elemanlar[1].kresendo, KresendoBloğu{});
    EXPECT_EQ(satır.elemanlar[2].kresendo.kresendo, 0);
}

TEST_F(Spans, DissolvingAGroupGivesTheMembersTheirValues) {
    satır.elemanlar[2].gurup = {1, 0, 1, 1};  // sixteenth to eighth
    satır.elemanlar[3].gurup = {3, 0, 1, 0};
    satır.elemanlar[2].süre = satır.elemanlar[3].süre = 8;
    bagiptal(satır, 3);
    EXPECT_EQ(std::tuple(satır.elemanlar[2].süre, satır.elemanlar[3].süre), std::tuple(16, 8));
    EXPECT_EQ(std::tuple(satır.elemanlar[2].gurup, satır.elemanlar[3].gurup), std::tuple(GurupBloğu{}, GurupBloğu{}));
}

}  // namespace
}  // namespace selvika
