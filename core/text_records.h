#pragma once

#include "core/fixed_text.h"
#include "core/widths.h"

namespace selvika {

struct YazıTipi {
    Text<40> yüz;
    Integer boy = 0;
    Boolean kalın;
    Boolean italik;

    static constexpr void fields(auto& r, auto&& f) { f(r.yüz, r.boy, r.kalın, r.italik); }
    constexpr bool operator==(const YazıTipi&) const = default;
};

// A title or heading: a text with its font.
struct BaşlıkYazısı {
    YazıTipi yazıTipi;
    Text<50> metin;

    static constexpr void fields(auto& r, auto&& f) { f(r.yazıTipi, r.metin); }
    constexpr bool operator==(const BaşlıkYazısı&) const = default;
};

// An expression text attached to a line; the slot is in use when the first
// position value is above 0.
struct İfade {
    Integer konum1 = 0;
    Integer konum2 = 0;
    Text<50> metin;
    YazıTipi yazıTipi;
    Byte bayt = 0;
    Integer değer = 0;

    constexpr bool kullanımda() const { return konum1 > 0; }

    static constexpr void fields(auto& r, auto&& f) {
        f(r.konum1, r.konum2, r.metin, r.yazıTipi, r.bayt, r.değer);
    }
    constexpr bool operator==(const İfade&) const = default;
};

}  // namespace selvika
