#pragma once

#include <cmath>

namespace selvika {

// Real values become integers at the nearest one, halves to the even
// neighbour (the default rounding mode).
inline long yuvarla(double değer) { return std::lrint(değer); }

}  // namespace selvika
