#include "audio/tuning_factors.h"

#include <array>
#include <cmath>

namespace selvika {

namespace {

// What the table holds where no preset applies.
constexpr Single önAyarsız = 1.0000010f;

// The presets of the recorded perdes, in fifth-komas per instrument that
// has a calibrated sample file, perde index 1 first. Until recordings are
// measured against the koma frequencies every preset is 0.
using Önayar = std::array<signed char, kayıtlıPerdeSayısı>;
constexpr std::array<Önayar, saz::son + 1> önAyarlar{};
constexpr std::array<bool, saz::son + 1> önAyarlı = {false, true,  true,  true,  true, true, true,
                                                     true,  false, false, false, true, true};

double oran(int beşteBirKoma) { return std::pow(2.0, beşteBirKoma / 265.0); }

}  // namespace

Single beşteBirKomaÇarpanı(int beşteBirKoma) { return static_cast<Single>(oran(beşteBirKoma)); }

AkortÇarpanları::AkortÇarpanları() {
    for (int i = 1; i <= saz::son; ++i)
        for (int b = 1; b <= 29; ++b)
            a_[i][b] = önAyarlı[i] && b <= kayıtlıPerdeSayısı
                           ? beşteBirKomaÇarpanı(önAyarlar[i][static_cast<std::size_t>(b - 1)])
                           : önAyarsız;
}

void AkortÇarpanları::ayarla(int saz, int perde, int beşteBirKoma) {
    a_[saz][perde] = static_cast<Single>(a_[saz][perde] * oran(beşteBirKoma));
}

}  // namespace selvika
