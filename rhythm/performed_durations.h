#pragma once

#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

// Sets `süreBirim`, the performed duration in units, of every element of the
// line, as it is played. Part of `ses`, after the line is stored; a beam code
// without a value shows "süre hatası" and plays as an eighth.
void süreBirimleriniYaz(Satır& satır, Etkileşim& etkileşim);

}  // namespace selvika
