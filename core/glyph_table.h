#pragma once

// The character table of the glyph sheet: where each glyph of BigEsel.png
// lies on the sheet and how it is placed on a staff. Written at build time by
// tools/glyph_sheet from data/glyphs.tsv, read whole at start-up.
//
// Coordinates are pixels of the line editor's full size (glyph size 30, 10
// pixels between staff lines); the half size (15) copies the same rectangle
// scaled down, so every offset below halves with it.
//
// Every glyph has an origin: the point that goes on the element's x and on
// the staff y of its position. For a note it is the left edge of the head at
// the head's vertical middle; for the other glyphs it is the font's own
// origin (an accidental: left edge at the height of the pitch it alters; an
// articulation: the edge nearest the note, centred; a rest or clef: the staff
// line it belongs on). To print the glyph of code c for an element at x whose
// staff position has the y `staffY`:
//
//     const KarakterKaydı& k = tablo[c];
//     y = (k.sabitKonum ? y(k.sabitKonum) : staffY) + k.kaymaY;   // origin y
//     x = x + k.kaymaX;                                           // origin x
//     copy the sheet rectangle (sayfaX, sayfaY, genişlik, yükseklik)
//     with its top-left corner at (x - k.kökSütunu, y - k.kökSatırı).
//
// The staff y is the pixel row of the line (or of the middle of the space):
// the origin row of a glyph is drawn on that very row.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/fixed_array.h"
#include "core/widths.h"

namespace selvika {

inline constexpr const char* karakterDosyası = "BigEschel.dat";
inline constexpr const char* karakterSayfası = "BigEsel.png";
inline constexpr const char* karakterTablosuAdı = " BigEschel  dosyası ";
inline constexpr const char* karakterTablosuYok = " BigEschel  dosyası bulunamadı.";

inline constexpr int ilkKarakter = 65;
inline constexpr int sonKarakter = 230;

// What a glyph is; tells the drawing code which placement rule applies.
enum class GlyphFamily : Byte {
    none = 0,          // no glyph at this code
    note = 1,          // note head, with its stem and flag where it has one
    rest = 2,
    accidental = 3,    // an accidental or its parenthesis, before the note
    dot = 4,           // augmentation dot, after the note
    clef = 5,
    barLine = 6,       // bar lines and repeat signs, full staff height
    articulation = 7,  // above or below the note head
    sign = 8,          // segno, coda, fermata, breath mark, ornaments
    digit = 9,         // time signature and tuplet digits
    tie = 10,          // the half tie of a note tied across a line end
    grace = 11,        // grace note, before the main note
};

// One glyph of the sheet (18 bytes).
struct KarakterKaydı {
    Byte kökSatırı = 0;    // 0: rows from the rectangle's top down to the origin row
    Byte kökSütunu = 0;    // 1: columns from the rectangle's left edge to the origin
    Byte genişlik = 0;     // 2: width of the rectangle on the sheet
    Byte yükseklik = 0;    // 3: height of the rectangle on the sheet
    Byte aile = 0;         // 4: GlyphFamily
    Byte sabitKonum = 0;   // 5: staff position 1..29 the origin always goes to
                           //    (rests, clef, bar lines); 0: the element's own
    Integer sapUcuX = 0;   // 6: tip of the stem from the origin, x (beams join here)
    Integer sapUcuY = 0;   // 8: the same, y; negative upwards; 0, 0 without stem
    Integer sayfaX = 0;    // 10: left edge of the rectangle on the sheet
    Integer sayfaY = 0;    // 12: top edge of the rectangle on the sheet
    Integer kaymaX = 0;    // 14: origin's x from the element's x (accidentals
                           //     negative, dots positive, articulations centred
                           //     over a head of `notaBaşı` 12)
    Integer kaymaY = 0;    // 16: origin's y from the staff y (above: negative)

    static constexpr void fields(auto& r, auto&& f) {
        f(r.kökSatırı, r.kökSütunu, r.genişlik, r.yükseklik, r.aile, r.sabitKonum, r.sapUcuX, r.sapUcuY,
          r.sayfaX, r.sayfaY, r.kaymaX, r.kaymaY);
    }
    constexpr bool operator==(const KarakterKaydı&) const = default;

    constexpr bool boş() const { return genişlik == 0 || yükseklik == 0; }
};

// Indexed by character code 65..230 (the file's entry is code - 65).
using KarakterTablosu = FixedArray<KarakterKaydı, ilkKarakter, sonKarakter>;

inline constexpr std::size_t karakterDosyasıBoyu = 166 * 18;

// Corrections start-up makes to four entries after loading, whatever the file
// holds; the sheet is drawn so that they agree with it.
void karakterDüzeltmeleri(KarakterTablosu& tablo);

// Reads the table from the file's bytes and applies the corrections. False,
// with the table unchanged and the message for the user in `hata`, when the
// bytes are not 166 records or hold values no glyph has.
bool karakterTablosunuÇöz(std::span<const std::uint8_t> bytes, KarakterTablosu& tablo, std::string* hata = nullptr);

// The same from a file; the message tells a missing file from an unreadable
// or a damaged one.
bool karakterTablosunuOku(const std::filesystem::path& path, KarakterTablosu& tablo, std::string* hata = nullptr);

// The file's bytes for a table, as written by the glyph sheet tool.
std::vector<std::uint8_t> karakterTablosuBaytları(const KarakterTablosu& tablo);

// Writes the table (replacing the file whole); throws DosyaHatası.
void karakterTablosunuYaz(const std::filesystem::path& path, const KarakterTablosu& tablo);

}  // namespace selvika
