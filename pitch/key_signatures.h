#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/header.h"
#include "pitch/degrees.h"

namespace selvika {

inline constexpr Byte kullanıcıTanımlı = 49;  // the score's own key signature
inline constexpr Byte donanımGenişliği = 17;   // width of a key-signature element

struct DonanımArızası {
    Harf harf;
    int değer;
};

// One entry of the makam list, with its accidentals in drawing order.
struct Makam {
    std::string_view ad;
    Byte kod;
    std::span<const DonanımArızası> arızalar;
};

// The 42 entries of the makam list, in the order shown.
std::span<const Makam> makamListesi();

// The accidentals a built-in code prescribes, in drawing order; none for the
// user-defined code and for codes no entry carries.
std::span<const DonanımArızası> donanımArızaları(Byte kod);

// Key-signature state by degree (index 1..29; 0 unused).
using PerdeDurumu = std::array<int, perdeSayısı + 1>;

// Writes what a key-signature element prescribes into the state; degrees it
// does not name keep their value.
void donanımıUygula(Byte kod, const KullanıcıDonanımı& kullanıcı, PerdeDurumu& durum);

bool kullanıcıDonanımıVar(const KullanıcıDonanımı& kullanıcı);

// "KAYDET" of the user-defined signature dialog: the values (sol .. la), the
// x offsets of the drawn letters, the width and the marker.
void kullanıcıDonanımınıKaydet(KullanıcıDonanımı& kullanıcı, const std::array<Integer, harfSayısı>& değerler);

// The glyph code that draws an accidental value in a signature; 0 when the
// value has none on the staff (±2, ±3, ±6, ±7 are drawn in the dialog only).
char donanımGlifi(int değer);

// A signature letter's height below the top staff line, in half line
// distances (sol is half a line distance above it).
constexpr int harfYüksekliği(Harf harf) { return static_cast<int>(harf) - 1; }

}  // namespace selvika
