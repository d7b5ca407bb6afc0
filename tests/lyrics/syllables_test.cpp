#include "lyrics/syllables.h"

#include <gtest/gtest.h>

#include "edit/element_labels.h"
#include "lyrics/syllable_distribution.h"
#include "tests/edit/line_builder.h"
#include "tests/support/line_values.h"

namespace selvika {
namespace {

class AutomaticSyllables : public ::testing::Test {
protected:
    std::vector<int> bayraklar() {
        heceleriOtomatikSeç(satır);
        return test::herEleman(satır, &Eleman::hece);
    }
    Satır satır = test::dizilmişSatır(6);
};

TEST_F(AutomaticSyllables, EveryPlainNoteTakesOneOtherElementsNone) {
    satır.elemanlar[3].tür = tür::sus;
    satır.elemanlar[5].tür = 33;
    satır.elemanlar[6].hece = 1;
    satır.elemanlar[6].tür = tür::donanım;
    EXPECT_EQ(bayraklar(), (std::vector<int>{1, 1, 0, 1, 0, 0}));
}

TEST_F(AutomaticSyllables, TheLaterNotesOfASlurTakeNone) {
    satır.elemanlar[2].yay[4].durum = 1;
    satır.elemanlar[3].yay[4].durum = 2;
    satır.elemanlar[4].yay[4].durum = 3;
    EXPECT_EQ(bayraklar(), (std::vector<int>{1, 1, 0, 0, 1, 1}));
}

TEST_F(AutomaticSyllables, ATripletsMiddleAndLastTakeNone) {
    for (int k = 0; k < 3; ++k) satır.elemanlar[2 + k].triole.trioleYeri = static_cast<Byte>(k + 1);
    EXPECT_EQ(bayraklar(), (std::vector<int>{1, 1, 0, 0, 1, 1}));
}

TEST_F(AutomaticSyllables, InstrumentPassagesAndDollarTakeNone) {
    satır.elemanlar[1].saz.durum = 1;
    satır.elemanlar[2].saz.durum = 3;
    satır.elemanlar[4].tür = '$';
    EXPECT_EQ(bayraklar(), (std::vector<int>{0, 0, 1, 0, 1, 1}));
}

TEST_F(AutomaticSyllables, RangeMarkOneClearsEverythingUpToIt) {
    satır.elemanlar[4].heceAralığı.durum = 1;
    EXPECT_EQ(bayraklar(), (std::vector<int>{0, 0, 0, 0, 1, 1}));
}

TEST_F(AutomaticSyllables, RangeMarkTwoIsTheLastToTakeOne) {
    satır.elemanlar[3].heceAralığı.durum = 2;
    for (int j = 1; j <= 6; ++j) satır.elemanlar[j].hece = 1;
    EXPECT_EQ(bayraklar(), (std::vector<int>{1, 1, 1, 0, 0, 0}));
}

TEST(SyllableBoxes, OnlySpacesBecomeEmpty) {
    EXPECT_EQ(HeceKutusu_Change("   "), "");
    EXPECT_EQ(HeceKutusu_Change(" a "), " a ");
}

TEST(SyllableBoxes, ManualStoresTrimmedRowsAndKeepsFlags) {
    Satır satır = test::dizilmişSatır(3);
    satır.elemanlar[3].hece = 1;
    But_hece_manuel(satır, {"  Ü skü dar ", "   ", "ı", "   " + std::string(120, 'a')});
    EXPECT_EQ(satır.güfteSatırları[1].trimmed(), "Ü skü dar");
    EXPECT_TRUE(satır.güfteSatırları[2].blank());
    EXPECT_EQ(satır.güfteSatırları[4].trimmed(), std::string(100, 'a'));
    EXPECT_EQ(satır.elemanlar[1].hece, 0);
    EXPECT_EQ(satır.elemanlar[3].hece, 1);
    EXPECT_EQ(heceKutularınıDoldur(satır), (HeceKutuları{"Ü skü dar", "", "ı", std::string(100, 'a')}));
}

DağıtılanHece h(std::string metin) { return {std::move(metin)}; }

// "Otomatik" stores the rows, then flags the notes that take their syllables.
TEST(SyllableDistribution, ThreeSyllablesOverThreeNotesTheEmptyRowDrawsNothing) {
    Satır satır = test::dizilmişSatır(3);
    But_hece_otomatik(satır, {" Üs kü dar ", "", "", ""});
    EXPECT_EQ(satır.güfteSatırları[1].trimmed(), "Üs kü dar");
    const auto heceler = satırHeceleri(satır);
    ASSERT_EQ(heceler.size(), 3u);
    EXPECT_EQ(heceler[0][0], h("Üs"));
    EXPECT_EQ(heceler[1][0], h("kü"));
    EXPECT_EQ(heceler[2][0], h("dar"));
    for (const auto& e : heceler) EXPECT_EQ(e[1], DağıtılanHece{});
}

TEST(SyllableDistribution, UnflaggedElementsAreSkippedAndPlaceholdersPrintNothing) {
    Satır satır = test::dizilmişSatır(4);
    satır.elemanlar[2].yay[1].durum = 1;
    satır.elemanlar[3].yay[1].durum = 3;
    But_hece_otomatik(satır, {"gi der Q", "", "", "a"});
    const auto heceler = satırHeceleri(satır);
    EXPECT_EQ(heceler[0][0], h("gi"));
    EXPECT_EQ(heceler[1][0], h("der"));
    EXPECT_EQ(heceler[2][0], DağıtılanHece{});
    EXPECT_EQ(heceler[3][0], (DağıtılanHece{"", true}));
    EXPECT_EQ(heceler[0][3], h("a"));
    EXPECT_EQ(heceler[1][3], DağıtılanHece{});
}

TEST(SyllableRemoval, TakesTheExtensionLineWithIt) {
    Satır satır = test::dizilmişSatır(4);
    for (int j = 1; j <= 3; ++j) {
        satır.elemanlar[j].hece = 1;
        satır.elemanlar[j].heceÇizgi.durum = static_cast<Byte>(j);
    }
    heceyiKaldır(satır, 2);
    EXPECT_EQ(satır.elemanlar[2].hece, 0);
    EXPECT_EQ(satır.elemanlar[1].hece, 1);
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(satır.elemanlar[j].heceÇizgi.durum, 0);
}

TEST(SyllableLabels, DraggingAddsToTheAdjustment) {
    Eleman e;
    e.konum = {100, 5};
    e.heceAyarı = 3;
    EXPECT_EQ(heceEtiketiX(e), 108);
    parçayıKaydır(e, EtiketParçası::hece, -7);
    EXPECT_EQ(e.heceAyarı, -4);
    EXPECT_EQ(heceEtiketiX(e), 101);
}

}  // namespace
}  // namespace selvika
