#include "core/titles.h"

#include <gtest/gtest.h>

#include "core/defaults.h"

namespace selvika {
namespace {

TEST(Titles, EachGroupOfThreeHasItsAlignmentAndTheRecordsTheirNames) {
    for (int t : {1, 2, 3}) EXPECT_EQ(başlıkHizası(t), BaşlıkHizası::ortada);
    for (int t : {4, 5, 6}) EXPECT_EQ(başlıkHizası(t), BaşlıkHizası::solda);
    for (int t : {7, 8, 9}) EXPECT_EQ(başlıkHizası(t), BaşlıkHizası::sağda);
    EXPECT_STREQ(başlıkAdı(1), "Eser adı");
    EXPECT_STREQ(başlıkAdı(4), "Makam");
    EXPECT_STREQ(başlıkAdı(5), "Usul");
    EXPECT_STREQ(başlıkAdı(7), "Beste");
    EXPECT_STREQ(başlıkAdı(8), "Güfte");
    EXPECT_STREQ(başlıkAdı(10), "");
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
    başlıkYüksekliğiniYaz(başlık, 2, 5, -20);
    EXPECT_EQ(başlık.sayfalar[2].başlıkKonumları[5].y, 0);
    başlıkYüksekliğiniYaz(başlık, 2, 5, 5000);
    EXPECT_EQ(başlık.sayfalar[2].başlıkKonumları[5].y, sayfaYüksekliği);
    const EserBaşlık önce = başlık;
    başlıkYüksekliğiniYaz(başlık, 21, 5, 10);
    başlıkYüksekliğiniYaz(başlık, 2, 10, 10);
    EXPECT_EQ(başlık, önce);
}

}  // namespace
}  // namespace selvika
