#pragma once

#include <cstddef>

#include "tools/syllable_recordings/speech.h"

namespace selvika {

// `ses` made `zamanOranı` times as long and `perdeOranı` times as high by
// Rubber Band, its formants left where the voice has them, so that a
// syllable keeps its vowel at any pitch; cut or padded with silence to
// exactly `uzunluk` samples.
Ses esnet(const Ses& ses, double zamanOranı, double perdeOranı, std::size_t uzunluk);

}  // namespace selvika
