#pragma once

#include <string>
#include <string_view>

#include "analysis/score_key_signature.h"

namespace selvika {

// The ahenk shift of the analysis window, in koma: positive moves the pitch
// down. The eleven buttons are numbered 1..11.
inline constexpr int ötelemeDüğmesiSayısı = 11;
inline constexpr int enBüyükÖteleme = 52;

std::string_view ötelemeDüğmesiYazısı(int düğme);

// The shift after pressing a button; ±1 stops at 52 and −52.
int ötelemeDüğmesi(int düğme, int öteleme);

// Buttons 3..11 recompute the new signature, the ±1 buttons leave it.
constexpr bool donanımıYeniler(int düğme) { return düğme >= 3 && düğme <= ötelemeDüğmesiSayısı; }

// "Bolahenk", "Sipürde", ... for the named amounts, otherwise the number.
std::string ötelemeAdı(int öteleme);

// `YeniDonanım`: the signature the score needs at the shifted level; any
// shift without a rule keeps `eski`.
Donanım yeniDonanım(const Donanım& eski, int öteleme);

}  // namespace selvika
