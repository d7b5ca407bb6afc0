#pragma once

#include <string>
#include <vector>

#include "core/line.h"

namespace selvika {

// A mark of the "Baskılar" view over the edited line.
struct Baskıİşareti {
    int x;
    int y;
    std::string metin;
};

// The accidentals that have no glyph (±6, ±7) as digits, and the microtone
// shifts as "-" and "+", for every element of the line.
std::vector<Baskıİşareti> baskıİşaretleri(const Satır& satır);

}  // namespace selvika
