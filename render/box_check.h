#pragma once

// The engraving check on the boxes of drawn pages: symbols of different
// elements that collide, syllables away from their notes, ink outside the
// page margins, notes with two stems.

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "render/drawn_boxes.h"

namespace selvika {

enum class Sorun { collision, syllable, margin, doublestem };
inline constexpr int sorunSayısı = 4;
std::string_view sorunAdı(Sorun s);

struct DenetimÖlçüleri {
    double aralık;  // a staff space, in the boxes' unit
    double kenar;   // the page margin on every side
    double pay;     // how far boxes may overlap, or stray past the margin, unnoticed

    // Pages in PDF points at a staff space of `aralık`: 10 mm margins, a
    // tenth of a space of tolerance.
    static DenetimÖlçüleri sayfa(double aralık) { return {aralık, 10 * 72 / 25.4, aralık / 10}; }
};

struct SorunÖrneği {
    Sorun sorun;
    int sayfa;
    ÇizilenKutu kutu;
    ÇizilenKutu öteki;  // the other box of a collision or of two stems
};

struct DenetimSonucu {
    int kutuSayısı = 0;
    std::array<int, sorunSayısı> sayılar{};
    // Collisions by their pair of kinds, "accidental/head" (names in order).
    std::vector<std::pair<std::string, int>> çarpışanTürler;
    std::vector<SorunÖrneği> örnekler;  // the first few of each problem
};

DenetimSonucu kutularıDenetle(const std::vector<SayfaKutuları>& sayfalar, const DenetimÖlçüleri& ö,
                              int örnekSayısı = 5);

}  // namespace selvika
