#pragma once

#include <array>

#include "audio/instruments.h"
#include "audio/tuning_factors.h"
#include "audio/gm_table.h"

namespace selvika {

// How an instrument's sample file was found to sound: each block's distance
// from its perde's koma frequency in cents (NaN where no pitch could be
// measured) and the presets that bring it back, in whole fifth-komas.
struct AkortÖlçümü {
    std::array<double, kayıtlıPerdeSayısı> sapma{};
    ÖnAyar önAyar{};
};

AkortÖlçümü akortÖlç(const ÖrnekTamponu& dosya, const SazSesi& ses);

}  // namespace selvika
