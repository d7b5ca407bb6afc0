#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/passage.h"

namespace selvika {

// Both charts are grids of square cells of this size, in chart units.
inline constexpr int çizelgeHücresi = 17;

// The metronome chart: 40 cells, 10 to a row.
inline constexpr std::array<Byte, 40> metronomDeğerleri{
    10, 40, 42, 44, 46, 48, 50, 52, 54, 56, 58, 60, 63, 66, 69, 72, 76, 80, 84, 88,
    92, 96, 100, 104, 108, 112, 116, 120, 126, 132, 138, 144, 152, 160, 168, 176, 184, 192, 200, 208};

// The metronome at a point of the chart; nothing outside its cells.
std::optional<Byte> metronomNoktası(int x, int y);

// Choosing the entry metronome sets the exit to the same value; choosing
// the exit sets only the exit.
void metronomSeç(Pasaj& p, Byte metronom, bool giriş);

// The göçürüm in komas at a point of the ahenk chart (72 cells, 8 to a
// row): the ahenks take blocks of cells, the komas between them one each.
std::optional<Byte> ahenkNoktası(int x, int y);

// The ahenk a göçürüm stands for ("Bolaheng", "Sipürde", …); empty when
// it stands for none.
std::string_view ahenkAdı(int göçürüm);

}  // namespace selvika
