#include <gtest/gtest.h>

#include "core/glyph_table.h"
#include "core/packing.h"
#include "tests/support/score_fixtures.h"

namespace selvika {
namespace {

// Every field of every record some value of its own.
KarakterTablosu örnekTablo() {
    KarakterTablosu t;
    test::rastgeleDoldur(t, 3);
    return t;
}

// What start-up writes over whatever the file holds.
KarakterTablosu düzeltilmiş(KarakterTablosu t) {
    t[74].genişlik = 13;
    t[75].genişlik = 11;
    t[101].kökSatırı = 19;
    t[222].sayfaY = 441;
    t[222].genişlik = 39;
    t[222].yükseklik = 39;
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

TEST(GlyphTable, ReadsTheFileAndAppliesTheStartUpCorrectionsOnly) {
    const KarakterTablosu yazılan = örnekTablo();
    test::GeçiciKlasör klasör;
    karakterTablosunuYaz(klasör / "tam.dat", yazılan);
    const auto baytlar = test::dosyaBaytları(klasör / "tam.dat");
    ASSERT_EQ(baytlar.size(), 2988u);
    // Entry 157 (code 222) starts at 157 * 18; its sheet y is the Integer at 12.
    EXPECT_EQ(static_cast<Integer>(baytlar[157 * 18 + 12] | baytlar[157 * 18 + 13] << 8), yazılan[222].sayfaY);

    KarakterTablosu okunan;
    std::string hata;
    ASSERT_TRUE(karakterTablosunuOku(klasör / "tam.dat", okunan, &hata)) << hata;
    EXPECT_EQ(okunan, düzeltilmiş(yazılan));

    auto fazlası = baytlar;  // extra bytes after the table are ignored
    fazlası.push_back(0x55);
    KarakterTablosu fazladan;
    EXPECT_TRUE(karakterTablosunuÇöz(fazlası, fazladan));
    EXPECT_EQ(fazladan, okunan);
}

TEST(GlyphTable, AShortOrMissingFileIsReportedAndLeavesTheTableAlone) {
    auto baytlar = karakterTablosuBaytları(örnekTablo());
    baytlar.pop_back();
    test::GeçiciKlasör klasör;
    test::dosyaYaz(klasör / "kısa.dat", baytlar);
    KarakterTablosu tablo;
    tablo[65].genişlik = 77;
    std::string hata;
    EXPECT_FALSE(karakterTablosunuOku(klasör / "kısa.dat", tablo, &hata));
    EXPECT_NE(hata.find("2987"), std::string::npos) << hata;
    EXPECT_EQ(std::tuple(tablo[65].genişlik, tablo[74].genişlik), std::tuple(77, 0)) << "no corrections either";
    EXPECT_FALSE(karakterTablosunuÇöz({}, tablo));

    EXPECT_FALSE(karakterTablosunuOku(klasör / "yok.dat", tablo, &hata));
    EXPECT_NE(hata.find("bulunamadı"), std::string::npos) << hata;
}

// The table the build draws, as it lies in the program folder.
class GeneratedGlyphTable : public ::testing::Test {
protected:
    void SetUp() override {
        const auto baytlar = test::dosyaBaytları(SELVIKA_GLYPH_TABLE);
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
    EXPECT_EQ(dosyadaki, düzeltilmiş(dosyadaki));
    EXPECT_EQ(tablo, dosyadaki);
    // Code 229 is always copied as 12 x 12 from (15, 418).
    const KarakterKaydı& k = dosyadaki[229];
    EXPECT_EQ(std::tie(k.sayfaX, k.sayfaY, k.genişlik, k.yükseklik), std::tuple(15, 418, 12, 12));
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
    // A down stem hangs on the head's left; the whole note has no stem.
    EXPECT_EQ(std::tuple(tablo['P'].sapUcuX, tablo['A'].sapUcuY), std::tuple(0, 0));
}

}  // namespace
}  // namespace selvika
