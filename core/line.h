#pragma once

#include "core/element.h"
#include "core/text_records.h"

namespace selvika {

inline constexpr int enFazlaEleman = 60;     // what the editor lets a user enter
inline constexpr const char* satırDoldu = "satır doldu";
inline constexpr int sonElemanYuvası = 61;  // slots 0..61, content in 1..count
inline constexpr int pasajİşaretiYuvası = 24;

// How a line ends (`satırSonu`), chosen in the line-end picker: plainly, with
// a single, a double or the final bar line, or open, its last measure going
// on in the next line.
namespace satırSonuTürü {
inline constexpr Byte yalın = 1, tekÇizgi = 2, çiftÇizgi = 4, sonÇizgi = 5, açık = 6;
}

// One score line. The passage marks, adresAyarı and çizimAyarı travel with
// the line in memory and in the undo ring but never reach score files.
struct Satır {
    Integer heceKayması = 0;
    FixedArray<Eleman, 0, sonElemanYuvası> elemanlar;
    FixedArray<std::array<Byte, pasajİşaretiYuvası>, 0, sonElemanYuvası> pasajİşaretleri;
    Byte elemanSayısı = 0;
    Byte ayar4 = 0;
    Integer adresAyarı = 0;
    Integer çizimAyarı = 0;
    Integer ayar1 = 0;
    Integer ayar3 = 0;
    Integer ayar2 = 0;
    Byte satırSonu = 0;
    FixedArray<Text<100>, 1, 4> güfteSatırları;
    FixedArray<İfade, 1, 3> ifadeler;

    static constexpr void fields(auto& r, auto&& f) {
        f(r.heceKayması, r.elemanlar, r.pasajİşaretleri, r.elemanSayısı, r.ayar4, r.adresAyarı,
          r.çizimAyarı, r.ayar1, r.ayar3, r.ayar2, r.satırSonu, r.güfteSatırları, r.ifadeler);
    }
    constexpr bool operator==(const Satır&) const = default;
};

}  // namespace selvika
