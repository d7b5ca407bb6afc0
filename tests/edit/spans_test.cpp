#include <gtest/gtest.h>

#include "edit/spans.h"

namespace selvika {
namespace {

class Spans : public ::testing::Test {
protected:
    Spans() {
        satır.elemanSayısı = 8;
        for (int j = 1; j <= 8; ++j) satır.elemanlar[j].tür = 15;
    }
    void işaretle(Aralık a, int ilk, int son) {
        for (int j = ilk; j <= son; ++j) aralıkİşareti(satır.elemanlar[j], a) = j == ilk ? 1 : j == son ? 3 : 2;
    }
    std::vector<int> işaretler(Aralık a) {
        std::vector<int> v;
        for (int j = 1; j <= 8; ++j) v.push_back(aralıkİşareti(satır.elemanlar[j], a));
        return v;
    }
    Satır satır;
};

TEST_F(Spans, CancellingFromInsideClearsTheWholeSpanOnly) {
    işaretle(Aralık::yay2, 2, 5);
    işaretle(Aralık::yay2, 6, 8);
    yayiptal(satır, 3, 2);
    EXPECT_EQ(işaretler(Aralık::yay2), (std::vector<int>{0, 0, 0, 0, 0, 1, 2, 3}));
}

TEST_F(Spans, CancellingFromAnEndWorksBothWays) {
    işaretle(Aralık::heceÇizgi, 1, 3);
    hececiziptal(satır, 3);
    işaretle(Aralık::dolap, 4, 6);
    dolapiptal(satır, 4);
    EXPECT_EQ(işaretler(Aralık::heceÇizgi), std::vector<int>(8, 0));
    EXPECT_EQ(işaretler(Aralık::dolap), std::vector<int>(8, 0));
}

TEST_F(Spans, ACrescendoLosesItsWholeBlock) {
    işaretle(Aralık::kresendo, 1, 2);
    satır.elemanlar[1].kresendo.değer = 7;
    kresendoiptal(satır, 1);
    EXPECT_EQ(satır.elemanlar[1].kresendo, KresendoBloğu{});
    EXPECT_EQ(satır.elemanlar[2].kresendo.kresendo, 0);
}

TEST_F(Spans, AnElementWithoutAMarkCancelsNothing) {
    işaretle(Aralık::saz, 2, 4);
    saziptal(satır, 6);
    EXPECT_EQ(işaretler(Aralık::saz)[1], 1);
}

TEST_F(Spans, DissolvingAGroupGivesTheMembersTheirValues) {
    satır.elemanlar[2].gurup = {1, 0, 1, 1};  // sixteenth to eighth
    satır.elemanlar[3].gurup = {3, 0, 1, 0};
    satır.elemanlar[2].süre = satır.elemanlar[3].süre = 8;
    bagiptal(satır, 3);
    EXPECT_EQ(satır.elemanlar[2].süre, 16);
    EXPECT_EQ(satır.elemanlar[3].süre, 8);
    EXPECT_EQ(satır.elemanlar[2].gurup, GurupBloğu{});
    EXPECT_EQ(satır.elemanlar[3].gurup, GurupBloğu{});
}

}  // namespace
}  // namespace selvika
