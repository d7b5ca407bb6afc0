#pragma once

#include "core/fixed_array.h"
#include "core/widths.h"

namespace selvika {

// Where a line's lyric line lies in the lyric text block of a score file.
struct GüfteYeri {
    Long uzunluk = 0;
    Long başlangıç = 0;

    static constexpr void fields(auto& r, auto&& f) { f(r.uzunluk, r.başlangıç); }
    constexpr bool operator==(const GüfteYeri&) const = default;
};

// A line's record in the index of a score file (59 bytes). Only the data a
// line really holds follow the index; these records say where they lie.
struct SatırDizini {
    Long elemanAdedi = 0;
    Long elemanBaşlangıcı = 0;
    FixedArray<GüfteYeri, 1, 4> güfteler;
    Long ifadeMaskesi = 0;  // 100 for slot 1 in use, 10 for slot 2, 1 for slot 3
    Long ifadeBaşlangıcı = 0;
    Integer heceKayması = 0;
    Byte elemanSayısı = 0;
    Byte ayar4 = 0;
    Integer ayar1 = 0;
    Integer ayar3 = 0;
    Integer ayar2 = 0;
    Byte satırSonu = 0;

    static constexpr void fields(auto& r, auto&& f) {
        f(r.elemanAdedi, r.elemanBaşlangıcı, r.güfteler, r.ifadeMaskesi, r.ifadeBaşlangıcı,
          r.heceKayması, r.elemanSayısı, r.ayar4, r.ayar1, r.ayar3, r.ayar2, r.satırSonu);
    }
    constexpr bool operator==(const SatırDizini&) const = default;
};

}  // namespace selvika
