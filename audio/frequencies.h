#pragma once

#include <array>
#include <optional>

#include "core/widths.h"

namespace selvika {

// The sounding koma positions a note may take once its göçürüm is applied:
// the range the sample blocks, the cache and the rendering cover.
inline constexpr int enTizSes = 10;
inline constexpr int enPestSes = 185;
inline constexpr int oktavKoma = 53;
// The lowest koma position a written note can have.
inline constexpr int enPestKoma = 229;

constexpr bool çalınabilir(int kÜssü) { return kÜssü >= enTizSes && kÜssü <= enPestSes; }

// The frequency of every koma position in hertz, F[0..255]: the running
// single-precision product down from Kaba Rast's neighbour F[229], so each
// entry carries the rounding of the steps below it. 230..255 stay 0.
using FrekansTablosu = std::array<Single, 256>;
const FrekansTablosu& frekanslar();

// A third of a koma down (-1), none (0) or up (+1).
Single mikrotonÇarpanı(int kayma);

// F[k'] moved by the microtone shift; k' must be playable.
Single hedefFrekans(int kÜssü, int kayma);

// The sounding position of koma position k in a voice lowered by `göçürüm`
// komas, folded once each way into the playable range; nothing when even
// the fold leaves it outside.
std::optional<int> göçür(int k, int göçürüm);

// The recorded perde a sounding position is played from: its block number
// (2..23) and the perde's koma position. Block 0 at position 0 outside the
// playable range.
struct Blok {
    int numara = 0;
    int perdeKonumu = 0;
    constexpr bool operator==(const Blok&) const = default;
};
Blok blokSeç(int kÜssü);

}  // namespace selvika
