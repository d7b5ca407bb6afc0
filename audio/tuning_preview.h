#pragma once

#include <optional>

#include "audio/instruments.h"
#include "audio/tuning_factors.h"
#include "core/interaction.h"

namespace selvika {

// The instrument an instrument button of the tuning window selects; any
// button without a recorded instrument selects KANUN.
int akortSazı(int düğme);

// The fifth-komas the four adjust buttons move a factor by: a koma down, a
// fifth down, a fifth up, a koma up.
int ayarAdımı(int düğme);

// What the tuning window plays for perde index b (1..23) of an instrument:
// its recorded block raised or lowered by the block's factor. Nothing, with
// a word to the user, when the sample file is missing or the shift fails.
std::optional<ÖrnekTamponu> akortÖnizlemesi(const std::filesystem::path& klasör, int saz, int b,
                                            const AkortÇarpanları& çarpanlar, Etkileşim& etkileşim);

}  // namespace selvika
