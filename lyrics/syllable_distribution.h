#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/line.h"

namespace selvika {

// The syllable one verse row gives an element. A placeholder ("Q" or "q")
// prints nothing but still takes its place, and may start an extension line.
struct DağıtılanHece {
    std::string metin;
    bool yerTutucu = false;

    bool operator==(const DağıtılanHece&) const = default;
};

// Per element, the syllable of each of the four verse rows.
using ElemanınHeceleri = std::array<DağıtılanHece, 4>;

// For elements 1..count (index 0 of the result is element 1): every
// element flagged to take a syllable takes the next one of each non-empty
// row, the row split at single spaces.
std::vector<ElemanınHeceleri> satırHeceleri(const Satır& satır);

}  // namespace selvika
