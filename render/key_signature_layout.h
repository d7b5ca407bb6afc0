#pragma once

#include <span>
#include <vector>

#include "pitch/key_signatures.h"

namespace selvika {

// Where the accidentals of a built-in key signature go, in pixels of the
// line editor (10 a staff space) from the left edge of the first: each
// after the previous by that one's glyph width and a small gap, so that the
// wide koma glyphs never touch. `genişlik` runs to the last glyph's right
// edge.
struct DonanımDizilişi {
    std::vector<double> xler;
    double genişlik = 0;
};
DonanımDizilişi donanımDizilişi(std::span<const DonanımArızası> arızalar);

}  // namespace selvika
