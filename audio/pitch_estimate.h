#pragma once

#include <optional>
#include <span>

#include "core/widths.h"

namespace selvika {

// The frequency in hertz of the partial of a steady stretch of sound that
// lies within a quarter tone of `yaklaşık`: the peak of the stretch's
// Hann-windowed, zero-padded FFT, placed between its bins by a parabola
// through the log magnitudes of the peak bin and its two neighbours.
// Nothing when no peak stands inside that quarter tone.
std::optional<double> frekansÖlç(std::span<const Integer> örnekler, double yaklaşık);

// How many cents `f` lies above `hedef`.
double sentFarkı(double f, double hedef);

}  // namespace selvika
