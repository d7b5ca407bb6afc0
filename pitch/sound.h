#pragma once

#include "core/header.h"
#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

// Bar lines and the other signs that end a measure's accidentals.
constexpr bool ölçüBitirir(Byte tür) {
    return tür == 33 || tür == 34 || (tür >= 37 && tür <= 39) || tür == 41 || (tür >= 43 && tür <= 51);
}

// The koma position (`sesindeks`) of every element of the line: notes from
// their degree, their own accidental, the line's key signatures and the
// accidentals written earlier in the measure; 0 for everything else.
void sesindeksleriniYaz(Satır& satır, const KullanıcıDonanımı& kullanıcıDonanımı);

// `ses`: the sound data of a line as storing it computes them, koma
// positions and performed durations.
void ses(Satır& satır, const KullanıcıDonanımı& kullanıcıDonanımı, Etkileşim& etkileşim);

}  // namespace selvika
