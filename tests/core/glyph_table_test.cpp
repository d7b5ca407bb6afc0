#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/glyph_table.h"
#include "core/packing.h"

namespace selvika {
namespace {

namespace fs = std::filesystem;

fs::path geçiciDosya(const std::string& ad) {
    return fs::temp_directory_path() / ("selvika_glyph_table_" + std::to_string(::getpid()) + "_" + ad);
}

void yaz(const fs::path& yol, const std::vector<std::uint8_t>& baytlar) {
    std::ofstream out(yol, std::ios::binary);
    out.write(reinterpret_cast<const char*>(baytlar.data()), static_cast<std::streamsize>(baytlar.size()));
}

std::vector<std::uint8_t> oku(const fs::path& yol) {
    std::ifstream in(yol, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every field of every record a different value.
KarakterTablosu örnekTablo() {
    KarakterTablosu t;
    for (int c = ilkKarakter; c <= sonKarakter; ++c) {
        KarakterKaydı& k = t[c];
        k.kökSatırı = Byte(c % 50);
        k.kökSütunu = Byte(c % 7);
        k.genişlik = Byte(c % 40 + 1);
        k.yükseklik = Byte(c % 60 + 1);
        k.aile = Byte(c % 12);
        k.sabitKonum = Byte(c % 30);
        k.sapUcuX = Integer(c);
        k.sapUcuY = Integer(-c);
        k.sayfaX = Integer(c * 2);
        k.sayfaY = Integer(c * 3);
        k.kaymaX = Integer(-c * 4);
        k.kaymaY = Integer(c * 5);
    }
    return t;
}

TEST(GlyphTable, RecordIsEighteenBytesInTheOrderOfItsOffsets) {
    KarakterKaydı k{.kökSatırı = 1, .kökSütunu = 2, .genişlik = 3, .yükseklik = 4, .aile = 5, .sabitKonum = 6,
                    .sapUcuX = 0x0807, .sapUcuY = -2, .sayfaX = 0x0C0B, .sayfaY = 0x0E0D, .kaymaX = 0x100F,
                    .kaymaY = 0x1211};
    const std::vector<std::uint8_t> beklenen = {1, 2, 3, 4, 5, 6, 7, 8, 0xFE, 0xFF, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F,
                                                0x10, 0x11, 0x12};
    EXPECT_EQ(pack(k), beklenen);
    EXPECT_EQ(karakterTablosuBaytları(KarakterTablosu{}).size(), 166u * 18u);
}

TEST(GlyphTable, ReadsTheFileAndAppliesTheStartUpCorrections) {
    const KarakterTablosu yazılan = örnekTablo();
    const fs::path yol = geçiciDosya("tam.dat");
    karakterTablosunuYaz(yol, yazılan);
    const auto baytlar = oku(yol);
    ASSERT_EQ(baytlar.size(), 2988u);
    // Entry 157 (code 222) starts at 157 * 18; its sheet y is the Integer at 12.
    EXPECT_EQ(baytlar[157 * 18 + 12] | (baytlar[157 * 18 + 13] << 8), 222 * 3);

    KarakterTablosu okunan;
    std::string hata;
    ASSERT_TRUE(karakterTablosunuOku(yol, okunan, &hata)) << hata;
    fs::remove(yol);

    KarakterTablosu beklenen = yazılan;
    beklenen[74].genişlik = 13;
    beklenen[75].genişlik = 11;
    beklenen[101].kökSatırı = 19;
    beklenen[222].sayfaY = 441;
    beklenen[222].genişlik = 39;
    beklenen[222].yükseklik = 39;
    EXPECT_EQ(okunan, beklenen);
    // Nothing else moved.
    EXPECT_EQ(okunan[222].sayfaX, yazılan[222].sayfaX);
    EXPECT_EQ(okunan[101].kökSütunu, yazılan[101].kökSütunu);
    EXPECT_EQ(okunan[74].yükseklik, yazılan[74].yükseklik);
}

TEST(GlyphTable, ExtraBytesAfterTheTableAreIgnored) {
    auto baytlar = karakterTablosuBaytları(örnekTablo());
    baytlar.push_back(0x55);
    KarakterTablosu okunan;
    EXPECT_TRUE(karakterTablosunuÇöz(baytlar, okunan));
    EXPECT_EQ(okunan[230], örnekTablo()[230]);
}

TEST(GlyphTable, AShortFileIsReportedAndLeavesTheTableAlone) {
    auto baytlar = karakterTablosuBaytları(örnekTablo());
    baytlar.pop_back();
    const fs::path yol = geçiciDosya("kısa.dat");
    yaz(yol, baytlar);
    KarakterTablosu tablo;
    tablo[65].genişlik = 77;
    std::string hata;
    EXPECT_FALSE(karakterTablosunuOku(yol, tablo, &hata));
    fs::remove(yol);
    EXPECT_NE(hata.find("2987"), std::string::npos) << hata;
    EXPECT_EQ(tablo[65].genişlik, 77);
    EXPECT_EQ(tablo[74].genişlik, 0);  // no corrections either

    EXPECT_FALSE(karakterTablosunuÇöz({}, tablo));
}

TEST(GlyphTable, AMissingFileIsReported) {
    KarakterTablosu tablo;
    std::string hata;
    EXPECT_FALSE(karakterTablosunuOku(geçiciDosya("yok.dat"), tablo, &hata));
    EXPECT_NE(hata.find("bulunamadı"), std::string::npos) << hata;
}

// The table the build draws, as it lies in the program folder.
class GeneratedGlyphTable : public ::testing::Test {
protected:
    void SetUp() override {
        const auto baytlar = oku(SELVIKA_GLYPH_TABLE);
        ASSERT_EQ(baytlar.size(), karakterDosyasıBoyu) << SELVIKA_GLYPH_TABLE;
        PackReader okuyucu(baytlar);
        ASSERT_TRUE(okuyucu.read(dosyadaki));  // as written, before any correction
        std::string hata;
        ASSERT_TRUE(karakterTablosunuOku(SELVIKA_GLYPH_TABLE, tablo, &hata)) << hata;
    }
    KarakterTablosu dosyadaki, tablo;
};

TEST_F(GeneratedGlyphTable, KeySignatureAccidentalsHaveGlyphs) {
    for (char c : std::string("rewqas{|z")) {
        const KarakterKaydı& k = tablo[static_cast<unsigned char>(c)];
        EXPECT_FALSE(k.boş()) << c;
        EXPECT_EQ(k.aile, Byte(GlyphFamily::accidental)) << c;
        EXPECT_LT(k.kaymaX, 0) << c << ": an accidental goes before the note";
        EXPECT_LT(k.kökSatırı, k.yükseklik) << c;
    }
}

TEST_F(GeneratedGlyphTable, AgreesWithTheStartUpCorrectionsAsWritten) {
    EXPECT_EQ(dosyadaki, tablo);  // the corrections change nothing
    EXPECT_EQ(dosyadaki[74].genişlik, 13);
    EXPECT_EQ(dosyadaki[75].genişlik, 11);
    EXPECT_EQ(dosyadaki[101].kökSatırı, 19);
    EXPECT_EQ(dosyadaki[222].sayfaY, 441);
    EXPECT_EQ(dosyadaki[222].genişlik, 39);
    EXPECT_EQ(dosyadaki[222].yükseklik, 39);
    // Code 229 is always copied as 12 x 12 from (15, 418).
    EXPECT_EQ(dosyadaki[229].sayfaX, 15);
    EXPECT_EQ(dosyadaki[229].sayfaY, 418);
    EXPECT_EQ(dosyadaki[229].genişlik, 12);
    EXPECT_EQ(dosyadaki[229].yükseklik, 12);
}

TEST_F(GeneratedGlyphTable, NoTwoGlyphsShareSheetPixels) {
    for (int a = ilkKarakter; a <= sonKarakter; ++a) {
        const KarakterKaydı& p = tablo[a];
        if (p.boş()) continue;
        EXPECT_GE(p.sayfaX, 0) << a;
        EXPECT_GE(p.sayfaY, 0) << a;
        EXPECT_LE(p.kökSütunu, p.genişlik) << a;
        for (int b = a + 1; b <= sonKarakter; ++b) {
            const KarakterKaydı& q = tablo[b];
            if (q.boş()) continue;
            const bool ayrı = p.sayfaX + p.genişlik <= q.sayfaX || q.sayfaX + q.genişlik <= p.sayfaX ||
                              p.sayfaY + p.yükseklik <= q.sayfaY || q.sayfaY + q.yükseklik <= p.sayfaY;
            EXPECT_TRUE(ayrı) << "codes " << a << " and " << b << " overlap";
        }
    }
}

TEST_F(GeneratedGlyphTable, EveryNoteValueHasItsGlyphs) {
    // Whole note, then stem up half..64th, rests, stem down, beamed heads.
    for (int c = 'A'; c <= 'V'; ++c) EXPECT_FALSE(tablo[c].boş()) << char(c);
    for (int c = 'H'; c <= 'N'; ++c) {
        EXPECT_EQ(tablo[c].aile, Byte(GlyphFamily::rest)) << char(c);
        EXPECT_NE(tablo[c].sabitKonum, 0) << char(c);
    }
    EXPECT_LT(tablo['C'].sapUcuY, -30);  // quarter, stem up: tip 3.5 spaces above
    EXPECT_GT(tablo['P'].sapUcuY, 30);   // quarter, stem down
    EXPECT_EQ(tablo['P'].sapUcuX, 0);    // a down stem hangs on the head's left
    EXPECT_EQ(tablo['A'].sapUcuY, 0);    // no stem
}

}  // namespace
}  // namespace selvika
