#include "lyrics/syllables.h"

#include <gtest/gtest.h>

#include "edit/element_labels.h"
#include "lyrics/syllable_distribution.h"
#include "tests/edit/line_builder.h"
#include "tests/support/line_values.h"

namespace selvika {
namespace {

// Six notes, changed as each case says, and the syllable flags chosen for them.
TEST(AutomaticSyllables, EveryPlainNoteTakesOneUnlessItsPlaceSaysOtherwise) {
    using E = decltype(Satır::elemanlar);
    const struct { const char* durum; void (*yaz)(E&); std::vector<int> bayraklar; } durumlar[] = {
        {"rests, bar lines and signatures take none",
         [](E& e) { e[3].tür = tür::sus; e[5].tür = 33; e[6].hece = 1; e[6].tür = tür::donanım; }, {1, 1, 0, 1, 0, 0}},
        {"the later notes of a slur take none",
         [](E& e) { e[2].yay[4].durum = 1; e[3].yay[4].durum = 2; e[4].yay[4].durum = 3; }, {1, 1, 0, 0, 1, 1}},
        {"a triplet's middle and last take none",
         [](E& e) { e[2].triole.trioleYeri = 1; e[3].triole.trioleYeri = 2; e[4].triole.trioleYeri = 3; },
         {1, 1, 0, 0, 1, 1}},
        {"instrument passages and $ take none",
         [](E& e) { e[1].saz.durum = 1; e[2].saz.durum = 3; e[4].tür = '$'; }, {0, 0, 1, 0, 1, 1}},
        {"range mark 1 clears everything up to it", [](E& e) { e[4].heceAralığı.durum = 1; }, {0, 0, 0, 0, 1, 1}},
        {"range mark 2 is the last to take one",
         [](E& e) {
             e[3].heceAralığı.durum = 2;
             for (int j = 1; j <= 6; ++j) e[j].hece = 1;
         },
         {1, 1, 1, 0, 0, 0}},
    };
    for (const auto& d : durumlar) {
        Satır satır = test::dizilmişSatır(6);
        d.yaz(satır.elemanlar);
        heceleriOtomatikSeç(satır);
        EXPECT_EQ(test::herEleman(satır, &Eleman::hece), d.bayraklar) << d.durum;
    }
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
    EXPECT_EQ(test::herEleman(satır, &Eleman::hece), (std::vector<int>{0, 0, 1}));
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
    EXPECT_EQ(std::tuple(heceler[0][0], heceler[1][0], heceler[2][0]), std::tuple(h("Üs"), h("kü"), h("dar")));
    for (const auto& e : heceler) EXPECT_EQ(e[1], DağıtılanHece{});
}

TEST(SyllableDistribution, UnflaggedElementsAreSkippedAndPlaceholdersPrintNothing) {
    Satır satır = test::dizilmişSatır(4);
    satır.elemanlar[2].yay[1].durum = 1;
    satır.elemanlar[3].yay[1].durum = 3;
    But_hece_otomatik(satır, {"gi der Q", "", "", "a"});
    const auto heceler = satırHeceleri(satır);
    EXPECT_EQ(std::tuple(heceler[0][0], heceler[1][0], heceler[2][0], heceler[3][0]),
              std::tuple(h("gi"), h("der"), DağıtılanHece{}, DağıtılanHece{"", true}));
    EXPECT_EQ(std::tuple(heceler[0][3], heceler[1][3]), std::tuple(h("a"), DağıtılanHece{}));
}

TEST(SyllableRemoval, TakesTheExtensionLineWithIt) {
    Satır satır = test::dizilmişSatır(4);
    for (int j = 1; j <= 3; ++j) {
        satır.elemanlar[j].hece = 1;
        satır.elemanlar[j].heceÇizgi.durum = static_cast<Byte>(j);
    }
    heceyiKaldır(satır, 2);
    EXPECT_EQ(test::herEleman(satır, &Eleman::hece), (std::vector<int>{1, 0, 1, 0}));
    EXPECT_EQ(test::herEleman(satır, [](const Eleman& e) { return e.heceÇizgi.durum; }), std::vector<int>(4, 0));
}

TEST(SyllableLabels, DraggingAddsToTheAdjustment) {
    Eleman e;
    e.konum = {100, 5};
    e.heceAyarı = 3;
    EXPECT_EQ(heceEtiketiX(e), 108);
    parçayıKaydır(e, EtiketParçası::hece, -7);
    EXPECT_EQ(std::tuple(e.heceAyarı, heceEtiketiX(e)), std::tuple(-4, 101));
}

}  // namespace
}  // namespace selvika
