#pragma once

#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

inline constexpr const char* trioleSorusu =
    "notalar farklı, hangisi doğru ?\n\nİlk nota doğru ise 1 girin.\nOrta nota doğru ise 2 girin.\n"
    "Son nota doğru ise 3 girin.";
inline constexpr const char* trioleBaşlığı = "Selvika";
inline constexpr const char* farklıNotalar = "Farklı notalarla triole yapılamaz.";

// The triplet key and palette cell on the selected element s: cancels its
// triplet, or makes one of s - 2, s - 1, s. A refusal is shown and leaves the
// line alone; true when the line changed.
bool trioleDeğiştir(Satır& satır, int s, Etkileşim& etkileşim);

// `trioleiptal`: the triplet of element s loses its marks and its bracket.
void trioleiptal(Satır& satır, int s);

}  // namespace selvika
