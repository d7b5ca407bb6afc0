#pragma once

#include "core/element.h"

namespace selvika {

// The playing marks of a note have no field of their own in the element
// record; they live in its reserved fields, which the files carry and store
// untouched:
//
//   ayrılmış1 (Integer)     tremolo (tromela): 1 when present
//   ayrılmış2 (Byte)        arşe (bowing): 0 none, 1 down-bow, 2 up-bow
//   ayrılmış3 (Byte)        mızrap (plectrum): 0 none, 1 down, 2 up
//   ayrılmış4 (Byte)        bit 1 puadork, bit 2 piçikato
//   ayrılmış5[0] (Integer)  half tie (yarım liezon): 1 when present
//
// ayrılmış5[1] stays free.
namespace artikülasyon {

inline constexpr Byte puadork = 1, piçikato = 2;
inline constexpr Byte yönSayısı = 3;  // none, down, up

constexpr bool tremolo(const Eleman& e) { return e.ayrılmış1 == 1; }
constexpr Byte arşe(const Eleman& e) { return e.ayrılmış2; }
constexpr Byte mızrap(const Eleman& e) { return e.ayrılmış3; }
constexpr bool puadorkVar(const Eleman& e) { return (e.ayrılmış4 & puadork) != 0; }
constexpr bool piçikatoVar(const Eleman& e) { return (e.ayrılmış4 & piçikato) != 0; }
constexpr bool yarımBağ(const Eleman& e) { return e.ayrılmış5[0] == 1; }

}  // namespace artikülasyon
}  // namespace selvika
