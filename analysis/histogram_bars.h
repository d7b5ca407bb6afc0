#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/pitch_histogram.h"

namespace selvika {

enum class HistogramTürü { adet, süre };

// "Perde / Adet histogramı", "Perde / % Süre histogramı".
std::string_view histogramBaşlığı(HistogramTürü tür);

// The koma grid, on a scale of 6 units a koma: position k at x = 6k − 55,
// covering k = 9..176.
inline constexpr int ızgaraİlkKoma = 9;
inline constexpr int ızgaraSonKoma = 176;
constexpr double komaX(double k) { return 6 * k - 55; }

// A degree's own line is blue and full height; the koma between degrees
// are cyan from y 10 and green from y 20.
enum class IzgaraRengi { mavi, camgöbeği, yeşil };
struct IzgaraÇizgisi {
    int k;
    IzgaraRengi renk;
    int üstY;
};
std::vector<IzgaraÇizgisi> ızgaraÇizgileri();

// One drawn bar: the position it counts, where it stands after the shift,
// its height as a share of the drawable height (1 for the tallest) and
// the label above it ("10", "%12.5").
struct HistogramÇubuğu {
    int k;
    double x;
    double oran;
    std::string etiket;
};

// The bars of positions 11..176 that have something; lower and higher
// positions are counted but not drawn.
std::vector<HistogramÇubuğu> histogramÇubukları(const PerdeSayımı& sayım, HistogramTürü tür, int öteleme);

// The ruler under the histograms: degree names at their koma positions,
// from the lowest (K.Dügah) to T.Gerdaniye.
struct CetvelAdı {
    std::string_view ad;
    int k;
};
std::span<const CetvelAdı> perdeCetveli();

}  // namespace selvika
