#pragma once

#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

inline constexpr const char* heceKayacak = "notaya bağlı hece sağa kayacaktır.";

// Writing a note of value `süre` after the cursor element `imleç` (appended
// when nothing is selected). Returns its index, or 0 after a refusal shown
// in a message box.
int notaYaz(Satır& satır, int imleç, Byte süre, Etkileşim& etkileşim);

inline constexpr Byte varsayılanÇizgi = 43;  // the single bar line of Space

// The new elements of the palette and of Space: a rest of value `süre`,
// sized like a note of the middle line, and a bar line of kind `tür`.
Eleman susElemanı(Byte süre);
Eleman çizgiElemanı(Byte tür);

// Key E: the note at j becomes a rest, unless a dot, a playing mark or the
// end of a span holds it. True when it changed.
bool susYap(Satır& satır, int j, Etkileşim& etkileşim);

}  // namespace selvika
