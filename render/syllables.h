#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/line.h"

namespace selvika {

inline constexpr int ayetSatırı = 4;

// The syllables each element prints, per verse row (index 0..3), by the
// distribution rule: every element whose syllable flag is 1 takes the next
// syllable of every row. A placeholder "Q" or "q" stays in the result (it
// prints nothing but may start an extension line).
// Indexed by element slot, 0..sonElemanYuvası (a vector: clang 14 cannot
// compile a fixed array of them).
using ElemanHeceleri = std::array<std::string, ayetSatırı>;
using SatırHeceleri = std::vector<ElemanHeceleri>;
SatırHeceleri heceleriDağıt(const Satır& satır);

// A syllable that holds a place and prints nothing.
bool yerTutucu(const std::string& hece);

// A syllable typed with a trailing "-" is followed by another of its word:
// an engraved page prints it without the mark and sets a hyphen between the
// two, as printed vocal music does.
bool sözcükSürer(const std::string& hece);
std::string tiresiz(const std::string& hece);

// Where a syllable stands against its note: centred under the head, or
// starting at the head's left edge.
enum class HeceYeri : Byte { ortada, solda };

// The left x of a syllable `en` wide under a head `başEni` wide whose left
// edge is at `başX`.
double heceSolu(double başX, double başEni, double en, HeceYeri yer);

}  // namespace selvika
