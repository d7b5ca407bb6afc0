#pragma once

#include "audio/instruments.h"
#include "core/fixed_array.h"

namespace selvika {

// How far the recorded block of each perde of each instrument must be
// raised (> 1) or lowered to sound in tune, `A(i, b)` for instruments 1..12
// and perde indices 1..29. Presets and adjustments are whole fifth-komas;
// the table lives for the run and is not saved.
class AkortÇarpanları {
public:
    AkortÇarpanları();

    Single operator()(int saz, int perde) const { return a_[saz][perde]; }

    // Moves a factor by whole fifths of a koma: ±1 for a fine step, ±5 for
    // a koma.
    void ayarla(int saz, int perde, int beşteBirKoma);

private:
    FixedArray<FixedArray<Single, 1, 29>, 1, saz::son> a_;
};

// A factor of n fifth-komas, 2^(n/265).
Single beşteBirKomaÇarpanı(int beşteBirKoma);

}  // namespace selvika
