#pragma once

#include <vector>

#include "core/score.h"

namespace selvika::test {

// The example score as the editor stores it: every line's sound data.
EserPtr saklanmışÖrnek();

// One line under the RAST signature in 4/4 holding every accidental
// −8..+8 and the natural, a beamed pair, a triplet, a tie across a bar line,
// a dotted note, a rest, hyphenated syllables and an expression; stored.
EserPtr herArızalıEser();

// The note and rest elements of the score's lines, in order.
struct NotaSesi {
    int sesindeks, süreBirim;
    bool operator==(const NotaSesi&) const = default;
};
std::vector<NotaSesi> notaSesleri(const Eser& eser);

}  // namespace selvika::test
