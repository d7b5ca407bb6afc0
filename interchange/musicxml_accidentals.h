#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace selvika {

// How MusicXML names an accidental of the Arel-Ezgi-Uzdilek system: the
// standard `<accidental>` value other programs draw, and the SMuFL glyph.
struct MusicXmlArızası {
    int koma;  // raising is positive, as in `arıza`
    std::string_view değer;
    std::string_view smufl;
};

// The glyph of a koma count; ±2, ±3, ±6 and ±7 have none of their own and
// borrow the nearest one (`<alter>` then tells the count). Nothing for 0.
std::optional<MusicXmlArızası> musicXmlArızası(int koma);

inline constexpr double komaYarımSes = 12.0 / 53.0;  // a koma in semitones

// The nearest koma count of an `<alter>`, and whether it is that count
// exactly, as only a koma-aware writer gives it.
struct AlterKoması {
    int koma;
    bool tam;
};
AlterKoması alterKoması(double alter);

// An `<alter>` in semitones for a koma count: komas × 12/53, four decimals,
// the form other programs write ("-0.2264", "1.8113").
std::string yarımSesFarkı(int koma);

// The koma count a note or key step means: by its glyph (SMuFL name or
// MusicXML value, as every writer spells them: SymbTr's "flat" is a küçük
// mücenneb flat) unless `<alter>` is a whole number of komas that no
// writer but a koma-aware one would give; the nearest koma of `<alter>`
// without a glyph. Nothing when neither is given or the glyph is unknown
// and `<alter>` missing.
std::optional<int> komaSayısı(std::string_view değer, std::string_view smufl, std::optional<double> alter);

}  // namespace selvika
