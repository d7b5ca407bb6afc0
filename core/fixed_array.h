#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace selvika {

// A fixed array indexed the way the score counts: lines 1..126, element
// slots 0..61, passages 1..99. Keeping the document's own bounds in the type
// lets code read like the rules it follows, without "- 1" everywhere.
template <class T, int First, int Last>
struct FixedArray {
    static_assert(Last >= First);
    static constexpr int first = First;
    static constexpr int last = Last;

    std::array<T, Last - First + 1> items{};

    constexpr T& operator[](int i) {
        assert(i >= First && i <= Last);
        return items[static_cast<std::size_t>(i - First)];
    }
    constexpr const T& operator[](int i) const {
        assert(i >= First && i <= Last);
        return items[static_cast<std::size_t>(i - First)];
    }

    constexpr auto begin() { return items.begin(); }
    constexpr auto end() { return items.end(); }
    constexpr auto begin() const { return items.begin(); }
    constexpr auto end() const { return items.end(); }

    constexpr bool operator==(const FixedArray&) const = default;
};

}  // namespace selvika
