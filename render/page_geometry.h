#pragma once

#include <algorithm>
#include <vector>

#include "core/score.h"

namespace selvika {

// The score strip: line n is drawn into a band starting 120 pixels below the
// previous one, 128 pixels high (neighbours overlap by 8).
inline constexpr int bantAdımı = 120;
inline constexpr int bantYüksekliği = 128;

constexpr int bantTepesi(int satır) { return (satır - 1) * bantAdımı; }
// The line a point of the strip at height y belongs to: the last band that
// starts above it.
constexpr int bantSatırı(int y) { return std::clamp(y / bantAdımı + 1, 1, satırSayısı); }

// The highest line that holds elements, or 6 for a score without any.
int sonDoluSatır(const Eser& eser);

// The strip's height for a score.
inline int şeritYüksekliği(const Eser& eser) { return sonDoluSatır(eser) * bantAdımı + 4; }

// Where each line of page p goes (`notayaz`): its line number and the y of
// its band on the page.
struct SayfaSatırı {
    int satır;
    int y;
};
std::vector<SayfaSatırı> sayfaSatırları(const Eser& eser, int sayfa);

// The x of a title of width `genişlik` on a page `sayfaGenişliği` wide:
// titles 1..3 centred, 4..6 at the left offset, 7..9 at the right.
int başlıkX(int başlık, int genişlik, int sayfaGenişliği, int solPay);

}  // namespace selvika
