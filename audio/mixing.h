#pragma once

#include <cmath>
#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/interaction.h"
#include "core/passage.h"
#include "core/widths.h"

namespace selvika {

// Mixing by halves: the new sound and what is already there each count half,
// so a ringing note is halved by the next one and no sum can clip.
inline Integer yarıyaKat(Integer mevcut, double yeni) {
    return static_cast<Integer>(std::lrint(mevcut / 2.0 + yeni / 2.0));
}

// Mixes up to `adet` samples of `kaynak` by halves into `tampon` from its
// 1-based sample `t` on, as far as both reach. Each sample is first divided
// by a divisor that starts at 1 and is multiplied by `q` after every sample:
// q > 1 fades the sound out.
void yarıyaKat(std::span<Integer> tampon, long t, std::span<const Integer> kaynak, long adet, double q = 1);

// One voice of a passage as it goes into the mix: its buffer and its volume.
struct KarışacakSes {
    std::span<const Integer> örnekler;
    Byte ağırlık = 0;
};

// The voices weighted by their volumes, written into `karışım`, which may be
// the buffer of one of them; a single voice comes out unchanged.
void melodiKarışımı(std::span<const KarışacakSes> sesler, std::span<Integer> karışım);

// The rhythm track takes `yüzde` percent of the mix, the melody the rest.
void ritmiKat(std::span<Integer> melodi, std::span<const Integer> ritim, int yüzde);

inline constexpr std::string_view hiçbirSazSeçilmemiş = "Bu bölümde hiçbir saz seçilmemiş";

// The voices of voice slots 1 to 4 (nothing for a slot that did not sound).
using PasajSesleri = std::array<std::optional<std::vector<Integer>>, 4>;

// A passage's samples: its voices weighted by their volumes, then its rhythm
// track by its percentage. Without a voice the rhythm plays over silence;
// with neither nothing comes out.
std::vector<Integer> pasajKarışımı(PasajSesleri sesler, const std::optional<std::vector<Integer>>& ritim,
                                   const Pasaj& pasaj, std::size_t örnekSayısı, Etkileşim& etkileşim);

}  // namespace selvika
