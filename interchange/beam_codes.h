#pragma once

#include <span>
#include <vector>

#include "core/widths.h"

namespace selvika {

// A beam group within a run of notes: its first and last member (indices of
// the run) and the codes of every member but the last.
struct KirişGurubu {
    int ilk, son;
    std::vector<Byte> kodlar;
};

// Cuts a run of eighths and shorter notes (their denominators) into beam
// groups whose codes give every member exactly its own value: a code joins
// two values at most one beam apart, so a run is cut where a note's value
// cannot be reached from its neighbour. Members left alone belong to no
// group.
std::vector<KirişGurubu> kirişGuruplarınaBöl(std::span<const Byte> paydalar);

}  // namespace selvika
