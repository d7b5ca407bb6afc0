#include "lyrics/lyric_blocks.h"

#include <gtest/gtest.h>

namespace selvika {
namespace {

TEST(LyricBlocks, TheCaptionCarriesTheNumber) { EXPECT_EQ(güfteBaşlığı(3), "3 numaralı  güfte"); }

TEST(LyricBlocks, CountersFollowTheTypedText) {
    EXPECT_EQ(yazılanHarfSayısı("Üsküdar"), "yazılan harf sayısı:  7");
    EXPECT_EQ(kalanBoşlukSayısı("Üsküdar"), "kalan boşluk sayısı:  243");
    std::string uzun;
    for (int i = 0; i < 251; ++i) uzun += "ş";
    EXPECT_EQ(kalanBoşlukSayısı(uzun), "kalan boşluk sayısı:  -1");
}

TEST(LyricBlocks, TwoHundredFiftyOneCharactersAreCutToTwoHundredFifty) {
    EserBaşlık başlık;
    std::string metin;
    for (int i = 0; i < 251; ++i) metin += i % 2 ? "ğ" : "a";
    güfteyiKaydet(başlık, 2, metin, 4);
    const std::string saklanan = başlık.güfteBlokları[2].metin.trimmed();
    EXPECT_EQ(saklanan, metin.substr(0, 375)) << "125 one-byte and 125 two-byte characters";
    EXPECT_EQ(std::tuple(yazılanHarfSayısı(saklanan), kalanBoşlukSayısı(saklanan), başlık.güfteBlokları[2].sayfa),
              std::tuple("yazılan harf sayısı:  250", "kalan boşluk sayısı:  0", 4));
}

TEST(LyricBlocks, TheTextIsStoredTrimmedAndThePageKeptWithinTheScore) {
    EserBaşlık başlık;
    güfteyiKaydet(başlık, 6, "  bir  iki  ", 25);
    EXPECT_EQ(std::tuple(başlık.güfteBlokları[6].metin.trimmed(), başlık.güfteBlokları[6].sayfa), std::tuple("bir  iki", 20));
    güfteyiKaydet(başlık, 6, "x", 0);
    EXPECT_EQ(başlık.güfteBlokları[6].sayfa, 1);
}

}  // namespace
}  // namespace selvika
