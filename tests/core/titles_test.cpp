#include "core/titles.h"

#include <gtest/gtest.h>

#include "core/defaults.h"

namespace selvika {
namespace {

TEST(Titles, EachGroupOfThreeHasItsAlignmentAndTheRecordsTheirNames) {
    for (int t : {1, 2, 3}) EXPECT_EQ(başlıkHizası(t), BaşlıkHizası::ortada);
    for (int t : {4, 5, 6}) EXPECT_EQ(başlıkHizası(t), BaşlıkHizası::solda);
    for (int t : {7, 8, 9}) EXPECT_EQ(başlıkHizası(t), BaşlıkHizası::sağda);
    for (auto [t, ad] : {std::pair{1, "Eser adı"}, {4, "Makam"}, {5, "Usul"}, {7, "Beste"}, {8, "Güfte"}, {10, ""}})
        EXPECT_STREQ(başlıkAdı(t), ad) << t;
}

TEST(Titles, TextIsStoredTrimmedAndCutToFiftyCharacters) {
    EserBaşlık başlık;
    başlığıYaz(başlık, 7, "  Hacı Arif  Bey ");
    EXPECT_EQ(başlık.başlıklar[7].metin.trimmed(), "Hacı Arif  Bey");
    std::string uzun;
    for (int i = 0; i < 51; ++i) uzun += "ş";
    başlığıYaz(başlık, 1, uzun);
    EXPECT_EQ(başlık.başlıklar[1].metin.trimmed(), uzun.substr(0, 100)) << "fifty two-byte characters";
    başlığıYaz(başlık, 1, "   ");
    EXPECT_TRUE(başlık.başlıklar[1].metin.blank());
    const EserBaşlık önce = başlık;
    başlığıYaz(başlık, 0, "x");
    başlığıYaz(başlık, 10, "x");
    EXPECT_EQ(başlık, önce);
}

TEST(Titles, YGoesToThatPageOnlyAndStaysOnThePage) {
    EserBaşlık başlık;
    başlık.sayfalar[2].başlıkKonumları[5].x = 7;
    başlıkYüksekliğiniYaz(başlık, 2, 5, 140);
    EXPECT_EQ(başlık.sayfalar[2].başlıkKonumları[5], (SayfaKonumu{7, 140}));
    EXPECT_EQ(başlık.sayfalar[1].başlıkKonumları[5].y, 0);
    for (auto [y, kalan] : {std::pair{-20, 0}, {5000, int{sayfaYüksekliği}}}) {
        başlıkYüksekliğiniYaz(başlık, 2, 5, y);
        EXPECT_EQ(başlık.sayfalar[2].başlıkKonumları[5].y, kalan) << y;
    }
    const EserBaşlık önce = başlık;
    başlıkYüksekliğiniYaz(başlık, 21, 5, 10);
    başlıkYüksekliğiniYaz(başlık, 2, 10, 10);
    EXPECT_EQ(başlık, önce);
}

}  // namespace
}  // namespace selvika
