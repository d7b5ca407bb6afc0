#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/header.h"
#include "core/interaction.h"
#include "core/score.h"
#include "pitch/degrees.h"

namespace selvika {

// A key signature as seven koma values in the order sol, fa, mi, re, do,
// si, la (indexed by Harf).
using Donanım = std::array<Integer, harfSayısı>;

// The score's key signature: the code of its first key-signature element
// (0 for none); `tek` is cleared when a later element carries another code.
struct EserDonanımı {
    Byte kod = 0;
    bool tek = true;
    constexpr bool operator==(const EserDonanımı&) const = default;
};

EserDonanımı eserDonanımı(const Eser& eser);

// What a code prescribes, letters it does not name at 0; code 49 gives the
// score's user-defined values.
Donanım donanımDeğerleri(Byte kod, const KullanıcıDonanımı& kullanıcı);

// The signature the analysis shows for the score: nothing when the score
// changes signature (only the histograms are shown then).
std::optional<Donanım> eskiDonanım(const EserDonanımı& donanım, const KullanıcıDonanımı& kullanıcı);

inline constexpr std::string_view donanımYokMesajı = "Eserde donanım bulunamadı. ";
inline constexpr std::string_view kullanıcıDonanımıMesajı = "Eserde kullanıcı tanımlı donanım bulundu. ";

// The message the analysis tells about the score's signature, empty when
// it tells none.
std::string_view donanımMesajı(const EserDonanımı& donanım);

// Tells that message in a message box, if there is one.
void donanımıBildir(const EserDonanımı& donanım, Etkileşim& etkileşim);

}  // namespace selvika
