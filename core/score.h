#pragma once

#include <filesystem>
#include <memory>

#include "core/header.h"
#include "core/line.h"
#include "core/line_index.h"

namespace selvika {

// major*1000 + minor*100 + revision of version 1.05.31.
inline constexpr Integer programSürümü = 1531;

// The one open score: its header, its 126 lines and the line index of its
// file. The index is kept with the score because saving leaves the fields of
// an empty line's record as they were.
struct Eser {
    Integer sürüm = programSürümü;
    EserBaşlık başlık;
    FixedArray<Satır, 1, satırSayısı> satırlar;
    FixedArray<SatırDizini, 1, satırSayısı> dizin;

    constexpr bool operator==(const Eser&) const = default;
};

// A score is about 1.3 MB: it lives on the heap.
using EserPtr = std::unique_ptr<Eser>;

}  // namespace selvika
