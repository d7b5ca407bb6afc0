#pragma once

#include <cstdint>

namespace selvika {

// The field widths every record of the score and its files is written in.
using Byte = std::uint8_t;
using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;

// A 16-bit flag: 0 is false, -1 true. The raw value is kept so that a file
// holding any other non-zero value is written back as it was read.
struct Boolean {
    Integer value = 0;

    constexpr Boolean() = default;
    constexpr Boolean(bool b) : value(b ? -1 : 0) {}
    constexpr explicit operator bool() const { return value != 0; }
    constexpr bool operator==(const Boolean&) const = default;

    static constexpr void fields(auto& r, auto&& f) { f(r.value); }
};

}  // namespace selvika
