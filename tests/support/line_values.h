#pragma once

#include <functional>
#include <vector>

#include "core/line.h"

namespace selvika::test {

// One value of every element of the line, in order: a field, or what a
// function reads from the element.
template <class F>
std::vector<int> herEleman(const Satır& satır, F&& değer) {
    std::vector<int> v;
    for (int j = 1; j <= satır.elemanSayısı; ++j) v.push_back(static_cast<int>(std::invoke(değer, satır.elemanlar[j])));
    return v;
}

}  // namespace selvika::test
