#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/element.h"
#include "core/interaction.h"
#include "core/score.h"

namespace selvika {

// Koma positions 0..229: 0 collects rests, 1..229 are pitches.
inline constexpr int komaKonumSayısı = 230;
using Histogram = std::array<std::int32_t, komaKonumSayısı>;

// How often each pitch sounds in a score and how many duration units it
// takes. The extremes start outside each other so that a score without
// notes sums nothing.
struct PerdeSayımı {
    Histogram adet{};
    Histogram süre{};
    int enBüyük = 1;    // the lowest pitch that sounds
    int enKüçük = 229;  // the highest

    // Notes (kinds 1..30) count at their koma position, rests at 0; an
    // element whose position lies outside the grid is not counted.
    void say(const Eleman& eleman);
    void say(const Satır& satır);

    // Sums over the sounding range enKüçük..enBüyük.
    std::int64_t toplamAdet() const;
    std::int64_t toplamSüre() const;

    // Adds another score's counts: the histograms of several scores.
    PerdeSayımı& operator+=(const PerdeSayımı& öbür);
};

PerdeSayımı perdeleriSay(const Eser& eser);

// The analysis opens only for a score whose first line holds 10 elements
// or more; otherwise the user is told why.
inline constexpr std::string_view yetersizNotaMesajı = "eserin ilk satırında yeterli nota yok.";
bool analizAçılır(const Eser& eser, Etkileşim& etkileşim);

}  // namespace selvika
