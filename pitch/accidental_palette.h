#pragma once

#include <optional>

#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

inline constexpr const char* parantezVeBekar = "hem parantez hem bekar işaretini birlikte kullanamazsınız";

// The accidental of the palette strip at x: −8, −5, −4, −3, −2, −1, the
// natural, +1, +2, +3, +4, +5, +8 from left to right.
std::optional<Integer> paletArızası(int x);

// The pending accidental for a palette click: ×16 with Shift (drawn in
// parentheses), ×256 with Ctrl (a natural sign before it); both together
// keep the plain code and warn.
Integer bekleyenArıza(Integer arıza, bool shift, bool ctrl, Etkileşim& etkileşim);

// Gives the pending accidental to the first note whose centre lies within 8
// pixels of the click. Returns the element's index, or 0 when none was hit.
int arızayıUygula(Satır& satır, Integer bekleyen, int tıklamaX);

}  // namespace selvika
