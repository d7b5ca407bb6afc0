#pragma once
// The scores the benchmarks time, made from the example score.

#include "core/score.h"

namespace selvika::bench {

// A full score: the example's four lines repeated into all 126 lines.
EserPtr büyükEser();

// A line as full as the editor lets it be: the example's lines one after
// another (each after its first key signature) up to 60 elements.
Satır altmışElemanlıSatır(const Eser& eser);

}  // namespace selvika::bench
