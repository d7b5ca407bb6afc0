#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRawFont>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/glyph_table.h"
#include "core/interaction.h"

class QPainter;

namespace selvika {

// Line thicknesses of engraved music, in staff spaces (the font's
// engravingDefaults).
struct GravürKalınlıkları {
    double sap = 0.12;
    double kiriş = 0.5;
    double kirişAralığı = 0.25;
    double porte = 0.13;
    double ekÇizgi = 0.16;
    double ekÇizgiUzantısı = 0.4;
    double ince = 0.16;  // thin bar line, brackets, hairpins, lines
    double yayOrta = 0.22;
    double yayUç = 0.1;
};

inline constexpr const char* bravuraDosyası = "bravura.otf";
inline constexpr const char* bravuraBilgisi = "bravura_metadata.json";
inline constexpr const char* glifListesi = "glyphs.tsv";

// Everything glyphs are printed from: the glyph sheet with its character
// table, and the Bravura font the sheet was drawn from.
//
// Two ways of printing one glyph at one origin, with the same placement:
// the editor copies the sheet (what the program always did, pixel for pixel
// at 10 pixels a staff space); pages, the strip and PDF draw the very glyph
// as the font's vector outline, because a raster copy stretched to 20 pixels
// a staff space goes soft, and a PDF of outlines prints sharp at any size.
class GlifKaynağı {
public:
    // Reads the sheet, the table, the font and its metadata and the glyph
    // list from the program folder; nothing, and the message for the user,
    // when one is missing, unreadable or damaged.
    static std::unique_ptr<GlifKaynağı> yükle(const std::filesystem::path& klasör, std::string* hata = nullptr);

    const KarakterTablosu& tablo() const { return tablo_; }
    const GravürKalınlıkları& kalınlıklar() const { return kalınlık_; }

    // `FontBasSatır`: copies the sheet rectangle of `kod` with its top-left
    // corner at (x, y - 1); white leaves the surface as it is. Size 15 is
    // the half-size copy, 0 counts as 30. Code 0 is reported and skipped.
    void FontBasSatır(QPainter& ressam, int kod, double x, double y, int boyut, Etkileşim& etkileşim) const;

    // Prints `kod` with its origin (core/glyph_table.h) at `köken`, from the
    // sheet or as a vector outline; a note whose stem must grow `sapUzatma`
    // pixels (of full size) is drawn as an outline, its flag at the new tip.
    void glifYaz(QPainter& ressam, int kod, QPointF köken, int boyut, bool vektör, Etkileşim& etkileşim,
                 double sapUzatma = 0) const;

private:
    struct Parça {
        char32_t harf = 0;  // a font glyph, or 0 for the stem
        bool sapUcunda = false;  // a flag hung at the stem's tip
        double sapBoyu = 0;      // staff spaces, for the stem part
    };

    std::optional<std::string> sayfayıOku(const std::filesystem::path& yol);
    std::optional<std::string> kalınlıklarıOku(const std::filesystem::path& yol);
    std::optional<std::string> parçalarıOku(const std::filesystem::path& yol);
    void vektörYaz(QPainter& ressam, int kod, QPointF köken, double ölçek, double sapUzatma) const;
    const QPainterPath& yol(char32_t harf) const;

    KarakterTablosu tablo_{};
    QImage sayfa_;  // black ink on transparency
    QRawFont yazıTipi_;
    GravürKalınlıkları kalınlık_;
    std::map<int, std::vector<Parça>> parçalar_;
    mutable std::map<char32_t, QPainterPath> yollar_;
};

inline constexpr const char* süreSıfırGeldi = " süre 0 geldi ";

// The glyph size of an element: 0 counts as full size.
constexpr int glifBoyu(int boyut) { return boyut == 0 ? 30 : boyut; }

}  // namespace selvika
