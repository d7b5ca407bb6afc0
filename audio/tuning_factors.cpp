#include "audio/tuning_factors.h"

#include <array>
#include <cmath>

namespace selvika {

namespace {

// What the table holds where no preset applies.
constexpr Single önAyarsız = 1.0000010f;

// The presets of the recorded perdes, in fifth-komas per instrument that
// has a calibrated sample file, perde index 1 first. The sample files
// shipped so far are recorded in tune, so every preset is 0; recalibrated
// recordings change these rows.
using Önayar = std::array<signed char, kayıtlıPerdeSayısı>;
constexpr std::array<Önayar, saz::son + 1> önAyarlar{};
constexpr std::array<bool, saz::son + 1> önAyarlı = {false, true,  true,  true,  true, true, true,
                                                     true,  false, false, false, true, true};

}  // namespace

Single beşteBirKomaÇarpanı(int beşteBirKoma) {
    return static_cast<Single>(std::pow(2.0, beşteBirKoma / 265.0));
}

AkortÇarpanları::AkortÇarpanları() {
    for (int i = 1; i <= saz::son; ++i)
        for (int b = 1; b <= 29; ++b)
            a_[i][b] = önAyarlı[i] && b <= kayıtlıPerdeSayısı
                           ? beşteBirKomaÇarpanı(önAyarlar[i][static_cast<std::size_t>(b - 1)])
                           : önAyarsız;
}

void AkortÇarpanları::ayarla(int saz, int perde, int beşteBirKoma) {
    a_[saz][perde] = static_cast<Single>(a_[saz][perde] * std::pow(2.0, beşteBirKoma / 265.0));
}

}  // namespace selvika
