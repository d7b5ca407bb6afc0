#pragma once

#include <algorithm>
#include <optional>

#include "core/score.h"

namespace selvika {

// The makam and usul a score starts with: the codes (`usulNo`) of the first
// key-signature element and the first usul element of its line 1.
struct EserBaşı {
    std::optional<Byte> makam;
    std::optional<Byte> usul;
};

inline EserBaşı eserBaşı(const Eser& eser) {
    EserBaşı baş;
    const Satır& satır = eser.satırlar[1];
    for (int i = 1; i <= std::min<int>(satır.elemanSayısı, sonElemanYuvası); ++i) {
        const Eleman& e = satır.elemanlar[i];
        if (e.tür == tür::donanım && !baş.makam) baş.makam = e.usulNo;
        if (e.tür == tür::usul && !baş.usul) baş.usul = e.usulNo;
    }
    return baş;
}

}  // namespace selvika
