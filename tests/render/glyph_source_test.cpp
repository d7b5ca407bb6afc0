// The drawing files of the program folder, each missing or damaged in turn:
// the glyphs are refused with the reason, never drawn as empty staves.

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <functional>

#include "render/glyph_source.h"
#include "support/score_fixtures.h"

namespace selvika {
namespace {

struct BozukÇizimDosyası {
    const char* ad;
    const char* dosya;
    std::function<void(const std::filesystem::path&)> boz;
    std::string mesaj;
};
void PrintTo(const BozukÇizimDosyası& b, std::ostream* os) { *os << b.ad; }

void yaz(const std::filesystem::path& yol, std::string_view metin) {
    test::dosyaYaz(yol, std::vector<std::uint8_t>(metin.begin(), metin.end()));
}

class DamagedDrawingFile : public ::testing::TestWithParam<BozukÇizimDosyası> {};

TEST_P(DamagedDrawingFile, IsRefusedWithItsReason) {
    test::GeçiciKlasör klasör;
    for (const char* ad : {karakterDosyası, karakterSayfası, bravuraDosyası, bravuraBilgisi, glifListesi})
        std::filesystem::copy_file(std::filesystem::path(SELVIKA_PROGRAM_DIR) / ad, klasör / ad);
    std::string hata;
    ASSERT_TRUE(GlifKaynağı::yükle(klasör.yol(), &hata)) << hata;
    std::filesystem::remove(klasör / GetParam().dosya);
    GetParam().boz(klasör / GetParam().dosya);
    EXPECT_FALSE(GlifKaynağı::yükle(klasör.yol(), &hata));
    EXPECT_EQ(hata, GetParam().mesaj);
}

using Yol = const std::filesystem::path&;
INSTANTIATE_TEST_SUITE_P(
    GlyphSource, DamagedDrawingFile,
    ::testing::Values(
        BozukÇizimDosyası{"SheetMissing", karakterSayfası, [](Yol) {}, "BigEsel.png dosyası bulunamadı."},
        BozukÇizimDosyası{"SheetNoPicture", karakterSayfası, [](Yol y) { yaz(y, "PNG değil"); },
                          "BigEsel.png dosyası bozuk: resim olarak okunamadı."},
        BozukÇizimDosyası{"SheetTooSmall", karakterSayfası,
                          [](Yol y) { QImage(10, 10, QImage::Format_Grayscale8).save(QString::fromStdString(y.string())); },
                          "BigEsel.png dosyası bozuk: 65 kodunun glifi resmin dışında kalıyor."},
        BozukÇizimDosyası{"FontEmpty", bravuraDosyası, [](Yol y) { yaz(y, ""); }, "bravura.otf dosyası bozuk: boş."},
        BozukÇizimDosyası{"FontNoFont", bravuraDosyası, [](Yol y) { yaz(y, "OTTO yazı tipi değil"); },
                          "bravura.otf dosyası bozuk: yazı tipi olarak okunamadı."},
        BozukÇizimDosyası{"MetadataFolder", bravuraBilgisi, [](Yol y) { std::filesystem::create_directory(y); },
                          "bravura_metadata.json dosyası bir klasör, dosya değil."},
        BozukÇizimDosyası{"MetadataCut", bravuraBilgisi, [](Yol y) { yaz(y, R"({"engravingDefaults": {"stemTh)"); },
                          "bravura_metadata.json dosyası bozuk: JSON olarak okunamadı."},
        BozukÇizimDosyası{"MetadataWithoutDefaults", bravuraBilgisi, [](Yol y) { yaz(y, "{}"); },
                          "bravura_metadata.json dosyası bozuk: engravingDefaults bölümü yok."},
        BozukÇizimDosyası{"ListMissing", glifListesi, [](Yol) {}, "glyphs.tsv dosyası bulunamadı."},
        BozukÇizimDosyası{"ListOfProse", glifListesi, [](Yol y) { yaz(y, "# liste\nmerhaba dünya\n"); },
                          "glyphs.tsv dosyası bozuk: 2. satır bir glif satırı değil."},
        BozukÇizimDosyası{"ListWithoutRows", glifListesi, [](Yol y) { yaz(y, "# yalnız açıklama\n"); },
                          "glyphs.tsv dosyası bozuk: hiç glif satırı yok."}),
    [](const auto& p) { return std::string(p.param.ad); });

}  // namespace
}  // namespace selvika
