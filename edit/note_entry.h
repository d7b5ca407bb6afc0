#pragma once

#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

inline constexpr const char* heceKayacak = "notaya bağlı hece sağa kayacaktır.";

// Writing a note of value `süre` after the cursor element `imleç` (appended
// when nothing is selected). Returns its index, or 0 after a refusal shown
// in a message box.
int notaYaz(Satır& satır, int imleç, Byte süre, Etkileşim& etkileşim);

// Key E: the note at j becomes a rest, unless a dot, a playing mark or the
// end of a span holds it. True when it changed.
bool susYap(Satır& satır, int j, Etkileşim& etkileşim);

}  // namespace selvika
