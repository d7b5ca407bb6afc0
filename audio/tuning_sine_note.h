#pragma once

#include "audio/instruments.h"

namespace selvika {

inline constexpr long sinüsUzunluğu = 100000;

// The note of the SINUS instrument at f hertz: the cube of a sine, rising
// over its first 5 % and falling over its last 5 % to and from 32000.
ÖrnekTamponu sinüsNotası(Single f);

}  // namespace selvika
