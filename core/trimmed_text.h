#pragma once

#include <string_view>

#include "core/fixed_text.h"

namespace selvika {

// What a dialog stores into a fixed-width text: trimmed, cut to the width,
// and trimmed again in case the cut ends in blanks.
template <std::size_t N>
Text<N> kırpılmışMetin(std::string_view metin) {
    const auto ilk = metin.find_first_not_of(' ');
    if (ilk == std::string_view::npos) return {};
    metin = metin.substr(ilk, metin.find_last_not_of(' ') - ilk + 1);
    return Text<N>(Text<N>(metin).trimmed());
}

}  // namespace selvika
