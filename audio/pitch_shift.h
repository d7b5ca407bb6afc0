#pragma once

#include "audio/instruments.h"
#include "audio/sample_rate.h"
#include "core/interaction.h"

namespace selvika {

// Retunes the block in `tampon` from `fs` to `ft` hertz by taking the
// nearest earlier sample (dropping or repeating samples, no filtering),
// for the instrument's block length times ft/fs samples. A raised block
// runs out of source first and ends there, shorter. False, with the
// error's text shown, when the shift cannot be made.
bool bloğuAkortla(ÖrnekTamponu& tampon, Single fs, Single ft, int saz, Etkileşim& etkileşim);

}  // namespace selvika
