#pragma once

#include <string_view>

#include "core/widths.h"

namespace selvika {

inline constexpr int usulSayısı = 56;           // codes 0..55
inline constexpr int sonMezürlüUsul = 27;       // the large usuls above it are checked by hand

// The numerator and denominator of usul code `usulNo`; "" outside 0..55.
std::string_view Pay(int usulNo);
std::string_view payda(int usulNo);
// Its caption in the usul list.
std::string_view usulBaşlığı(int usulNo);
// The measure length in units of codes 0..27; 0 for any other code.
Integer mezürzam(int usulNo);

}  // namespace selvika
