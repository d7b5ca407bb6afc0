#pragma once

#include <bit>
#include <random>

#include "core/packing.h"

namespace selvika::test {

// Fills every number of a record with pseudo-random bits.
template <class T>
void rastgeleDoldur(T& kayıt, unsigned tohum) {
    std::mt19937 üreteç(tohum);
    auto doldur = [&](auto& değer) {
        using V = std::remove_reference_t<decltype(değer)>;
        değer = std::bit_cast<V>(static_cast<LeafBits<V>>(üreteç()));
    };
    forEachLeaf(kayıt, doldur);
}

}  // namespace selvika::test
