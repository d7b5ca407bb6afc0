#pragma once

#include <string_view>

#include "core/widths.h"

namespace selvika {

// Instruments are numbered 0..12 after their five-character codes; arrays
// indexed by instrument leave room for 17.
namespace saz {
inline constexpr int sinüs = 0, kanun = 1, ud = 2, tanbur = 3, kemençe = 4, keman = 5, çello = 6,
                     klarnet = 7, kanunTrili = 8, udTrili = 9, tanburTrili = 10, çelloPizzicato = 11,
                     bağlama = 12;
inline constexpr int son = 12;
inline constexpr int yuva = 16;
inline constexpr Byte bilinmeyen = 255;
}  // namespace saz

// The number of an instrument code, 255 for any other text.
Byte sazNumarası(std::string_view kod);

std::string_view sazKodu(int numara);

// The samples of one perde's block in the instrument's sample file.
long blokUzunluğu(int numara);

}  // namespace selvika
