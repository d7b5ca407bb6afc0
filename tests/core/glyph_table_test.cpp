#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "core/glyph_table.h"
#include "core/packing.h"
#include "tests/support/score_fixtures.h"

namespace selvika {
namespace {

// Every field of every record a sensible value of its own.
KarakterTablosu örnekTablo() {
    KarakterTablosu t;
    for (int c = ilkKarakter; c <= sonKarakter; ++c)
        t[c] = {.kökSatırı = Byte(c % 20), .kökSütunu = Byte(c % 5), .genişlik = Byte(5 + c % 30),
                .yükseklik = Byte(5 + c % 40), .aile = Byte(1 + c % 11), .sabitKonum = Byte(c % 29),
                .sapUcuX = Integer(c % 12), .sapUcuY = Integer(c % 90 - 45), .sayfaX = Integer(2 * c),
                .sayfaY = Integer(c), .kaymaX = Integer(c % 40 - 20), .kaymaY = Integer(c % 16 - 8)};
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
}

struct BozukTablo {
    const char* ad;
    std::function<void(const std::filesystem::path&, std::vector<std::uint8_t>)> yaz;
    std::string mesaj;
};
void PrintTo(const BozukTablo& b, std::ostream* os) { *os << b.ad; }

// The file of 2988 bytes of one value, or the table with one byte of the
// record of `kod` changed.
void doluYaz(const std::filesystem::path& yol, std::uint8_t dolgu, std::size_t boy = karakterDosyasıBoyu) {
    test::dosyaYaz(yol, std::vector<std::uint8_t>(boy, dolgu));
}
void baytıDeğiştir(const std::filesystem::path& yol, std::vector<std::uint8_t> b, int kod, int alan, std::uint8_t değer) {
    b[static_cast<std::size_t>((kod - ilkKarakter) * 18 + alan)] = değer;
    test::dosyaYaz(yol, b);
}

// Whatever is wrong with the file, start-up refuses it and says what.
class DamagedGlyphTable : public ::testing::TestWithParam<BozukTablo> {};

TEST_P(DamagedGlyphTable, IsRefusedWithItsReason) {
    test::GeçiciKlasör klasör;
    const auto yol = klasör / "BigEschel.dat";
    KarakterTablosu üretilen;
    for (int c = ilkKarakter; c <= sonKarakter; ++c) üretilen[c] = {.genişlik = 9, .yükseklik = 9, .aile = 1};
    GetParam().yaz(yol, karakterTablosuBaytları(üretilen));
    KarakterTablosu tablo;
    std::string hata;
    EXPECT_FALSE(karakterTablosunuOku(yol, tablo, &hata));
    EXPECT_EQ(hata, GetParam().mesaj);
    EXPECT_EQ(tablo, KarakterTablosu{});
}

using Baytlar = std::vector<std::uint8_t>;
INSTANTIATE_TEST_SUITE_P(
    GlyphTable, DamagedGlyphTable,
    ::testing::Values(
        BozukTablo{"Missing", [](auto, Baytlar) {}, " BigEschel  dosyası bulunamadı."},
        BozukTablo{"Folder", [](auto y, Baytlar) { std::filesystem::create_directory(y); },
                   " BigEschel  dosyası bir klasör, dosya değil."},
        BozukTablo{"Empty", [](auto y, Baytlar) { doluYaz(y, 0, 0); },
                   " BigEschel  dosyası bozuk: 2988 bayt olmalı, 0 bayt."},
        BozukTablo{"Short", [](auto y, Baytlar b) { b.resize(2987); test::dosyaYaz(y, b); },
                   " BigEschel  dosyası bozuk: 2988 bayt olmalı, 2987 bayt."},
        BozukTablo{"Long", [](auto y, Baytlar b) { b.push_back(0); test::dosyaYaz(y, b); },
                   " BigEschel  dosyası bozuk: 2988 bayt olmalı, 2989 bayt."},
        BozukTablo{"AllFF", [](auto y, Baytlar) { doluYaz(y, 0xFF); },
                   " BigEschel  dosyası bozuk: 65 (A) kodunun kaydı olanaksız değerler taşıyor."},
        BozukTablo{"AllZero", [](auto y, Baytlar) { doluYaz(y, 0); },
                   " BigEschel  dosyası bozuk: 65 (A) kodunun kaydı boş."},
        BozukTablo{"Family", [](auto y, Baytlar b) { baytıDeğiştir(y, b, 67, 4, 12); },
                   " BigEschel  dosyası bozuk: 67 (C) kodunun kaydı olanaksız değerler taşıyor."},
        BozukTablo{"SheetX", [](auto y, Baytlar b) { baytıDeğiştir(y, b, 69, 11, 0x80); },
                   " BigEschel  dosyası bozuk: 69 (E) kodunun kaydı olanaksız değerler taşıyor."},
        BozukTablo{"Offset", [](auto y, Baytlar b) { baytıDeğiştir(y, b, 165, 17, 0x7F); },
                   " BigEschel  dosyası bozuk: 165 kodunun kaydı olanaksız değerler taşıyor."}),
    [](const auto& p) { return std::string(p.param.ad); });

TEST(GlyphTable, AnUnreadableTableSaysWhy) {
    test::GeçiciKlasör klasör;
    karakterTablosunuYaz(klasör / "BigEschel.dat", KarakterTablosu{});
    ::chmod((klasör / "BigEschel.dat").c_str(), 0);
    EXPECT_TRUE(test::başkaKullanıcıOlarak([&] {
        KarakterTablosu tablo;
        std::string hata;
        return !karakterTablosunuOku(klasör / "BigEschel.dat", tablo, &hata) &&
               hata == " BigEschel  dosyası okunamadı: bu dosyayı okuma izniniz yok.";
    }));
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
