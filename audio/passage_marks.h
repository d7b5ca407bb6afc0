#pragma once

#include "audio/flat_notes.h"
#include "core/interaction.h"
#include "core/score.h"

namespace selvika {

// A mark slot holds n for the start of passage n, n + 128 for its end,
// 0 when empty.
inline constexpr Byte pasajBitişFarkı = 128;
inline constexpr int enFazlaPasaj = decltype(EserBaşlık::pasajlar)::last;

// Builds the flat note table from lines 1 to 126 and places every passage
// at its marks, after clearing where the passages were. A second start or
// end mark of a passage is reported and the first one kept.
Notalar notalarıKur(Eser& eser, Etkileşim& etkileşim);

// Clears every mark slot and writes the marks of passages 1 to the count
// into the first free slots of their start and end elements.
void pasajİşaretleriniYaz(Eser& eser, Etkileşim& etkileşim);

}  // namespace selvika
