#pragma once

#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

// The slur maker (F2 to F12, the palette's slur cell) over ilk..son: a
// refusal is shown in the warning line and leaves the line alone; true when
// the slur was made.
bool liezonYap(Satır& satır, int ilk, int son, Etkileşim& etkileşim);

// Key L: the slurs of every layer that start or end at element j.
bool uçYaylarınıKaldır(Satır& satır, int j);

// How far a new curve bulges at each end: more for a longer slur.
Integer yeniYayYüksekliği(int ilk, int son);

}  // namespace selvika
