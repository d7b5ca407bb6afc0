#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

// Rhythmic units: a 128th of a whole note.
inline constexpr Integer birlikBirim = 128;

namespace gurupYeri {
inline constexpr Byte yok = 0, ilk = 1, iç = 2, son = 3;
}
namespace trioleYeri {
inline constexpr Byte yok = 0, ilk = 1, orta = 2, son = 3;
}

// A beam pair code: the denominators at the left end (this member) and the
// right end (the next member) of one beam segment.
struct KirişKodu {
    Byte sol;
    Byte sağ;
};
inline constexpr std::array<KirişKodu, 10> kirişKodları{{
    {8, 8}, {16, 8}, {8, 16}, {16, 16}, {32, 16}, {16, 32}, {32, 32}, {64, 32}, {32, 64}, {64, 64},
}};

inline constexpr std::string_view süreHatası = "süre hatası";

// The denominator of beamed member `seçim`; nothing when a code it reads has
// no value.
std::optional<Byte> kirişSüresi(const Satır& satır, int seçim);

// On the line buffer: a code without a value shows "süre hatası" and gives 8.
Byte surebul(const Satır& tampon, int seçim, Etkileşim& etkileşim);
// On the measure check's copy: a code without a value gives 0, silently.
Byte surebul1(const Satır& satır, int seçim);

// The value in units of the note or rest at `j`, and the last element it
// covers: a beamed triplet's first note stands for all three.
struct ElemanDeğeri {
    Integer birim;
    int son;
};
// Nothing when its denominator is unknown (a beam code without a value, or
// a zero `süre`).
std::optional<ElemanDeğeri> elemanDeğeri(const Satır& satır, int j);

// "bir adet 8 lik" for 16 units; nothing for an amount without a name.
std::optional<std::string_view> süreAdı(Integer birim);

}  // namespace selvika
