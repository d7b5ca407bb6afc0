#pragma once

#include <array>
#include <string_view>

#include "core/line.h"

namespace selvika {

// Lengths in a MusicXML file: 96 divisions a quarter, so that a whole is
// 384 and every triplet member a whole number.
inline constexpr int musicXmlBölümü = 96;

// The step of each key-signature letter, in their order: sol, fa, mi, re,
// do, si, la.
inline constexpr std::string_view harfAdımları = "GFEDCBA";

// The title records a MusicXML title and its creators go to and come from:
// the name of the piece, the composer, the lyricist (SymbTr calls it poet).
inline constexpr int eserAdıBaşlığı = 1;
struct YaratıcıBaşlığı {
    std::string_view tür;
    int başlık;
};
inline constexpr std::array<YaratıcıBaşlığı, 3> yaratıcıBaşlıkları{{{"composer", 7}, {"lyricist", 8}, {"poet", 8}}};

// A degree as MusicXML spells it: A4 is Dügah.
struct MusicXmlPerdesi {
    char adım;
    int oktav;
};
MusicXmlPerdesi musicXmlPerdesi(int perde);
// The degree of a step and octave; 0 when the staff of 29 degrees lacks it.
int perdesi(char adım, int oktav);

// The note-value names of `<type>`, by denominator 1..64; "" for another.
std::string_view notaTürü(int payda);
// The denominator of a `<type>` name; 0 for an unknown name.
int paydası(std::string_view tür);

// The note value element j is read with: a beamed member's from the beam
// codes, else its own `süre`.
int değerPaydası(const Satır& satır, int j);

}  // namespace selvika
