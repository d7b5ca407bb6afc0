#pragma once

#include <optional>
#include <vector>

#include "core/widths.h"

namespace selvika {

// A value one note can hold: its denominator, its dot and its length in
// 384ths of a whole (the 128ths of the score with room for triplets).
struct NotaDeğeri {
    Byte süre;
    bool nokta;
    int uzunluk;
};

// A length as tied notes, longest first; nothing when no sum of values
// gives it.
std::optional<std::vector<NotaDeğeri>> değerlereBöl(int uzunluk);

}  // namespace selvika
