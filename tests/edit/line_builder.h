#pragma once

#include "core/line.h"

namespace selvika::test {

// A line of n notes laid out 20 units apart, each 10 wide: element j spans
// x = 20j .. 20j + 10, so x = 20j + 15 is the gap after it.
inline Satır dizilmişSatır(int n) {
    Satır satır;
    satır.elemanSayısı = static_cast<Byte>(n);
    for (int j = 1; j <= n; ++j) {
        Eleman& e = satır.elemanlar[j];
        e.tür = 15;
        e.süre = 4;
        e.genişlik = 10;
        e.konum.x = static_cast<Integer>(20 * j);
    }
    return satır;
}

inline int araX(int sonra) { return 20 * sonra + 15; }

}  // namespace selvika::test
