#pragma once

#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

inline constexpr const char* çevrilemez = "çevrilemez";

// `gurupKur`: a beam group of ilk..son. A refusal shows its reason in the
// warning line and leaves the line alone; true when the line changed (the
// markers stay even when the beam codes are then refused).
bool gurupKur(Satır& satır, int ilk, int son, Etkileşim& etkileşim);

// The first and last member of the group of element j (j itself when j is
// in no group).
struct GurupSınırı {
    int ilk, son;
};
GurupSınırı gurupSınırı(const Satır& satır, int j);

// Key C: `gurup_çevir` for a beamed note, else the note's own stem; an
// element whose letter is neither "p" nor "d" shows "çevrilemez".
bool sapÇevir(Satır& satır, int j, Etkileşim& etkileşim);
void gurup_çevir(Satır& satır, int j);

// The keypad's beam keys on the cursor element; false when they do not apply.
bool kirişYükselt(Satır& satır, int j);     // plus
bool kirişEğ(Satır& satır, int j);          // minus
bool gurubuBöl(Satır& satır, int j);        // divide
bool guruplarıBirleştir(Satır& satır, int j);  // multiply

}  // namespace selvika
