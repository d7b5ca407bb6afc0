#pragma once

#include <vector>

#include "core/line.h"
#include "render/staff_geometry.h"

namespace selvika {

inline constexpr int yayKatmanı = 4;         // slur layers 1..4
inline constexpr int trioleKatmanı = 5;      // the triplet bracket
inline constexpr int girenYarımBağ = 6;      // a half tie entering the line
inline constexpr int çıkanYarımBağ = 7;      // a half tie leaving the line
inline constexpr int yayZatenVar = 5;        // `yaykararı`: that slur exists

inline constexpr const char* liezonMevcut = "seçtiğiniz notalar arasında zaten bir liezon mevcut";

// `yaykararı`: the layer 1..4 free over first..last, `yayZatenVar` when the
// very slur exists on a layer, or 0 when every layer is taken somewhere.
int yaykararı(const Satır& satır, int ilk, int son);

// The end points of a curve (`TekYayCiz`), in the line's coordinates:
// y counts half line distances from the top of the drawing, two line
// distances lower for an end whose stem hangs down.
struct YayUçları {
    double x1, y1, x2, y2;
};
YayUçları yayUçları(const Satır& satır, int ilk, int son, int katman, const PorteÖlçeği& ö, int yüzeyGenişliği);

// A slur of layers 1..4: its first and last element and its layer.
struct YayYeri {
    int ilk, son, katman;
    constexpr bool operator==(const YayYeri&) const = default;
};
// Every slur of the line, layer by layer, each from its start mark to the
// next end mark of its layer.
std::vector<YayYeri> satırınYayları(const Satır& satır);

// Whether a slur runs over the heads: its first note's stem hangs down.
bool yayÜstte(const Satır& satır, const YayYeri& yay);

// How high a slur bulges over its first half and over its second (pixels
// of the editing area): its two shape values, kept at its first and at its
// last element. A value of 0 (a slur never shaped) stands for a bulge after
// the slur's length.
struct YayBiçimi {
    double ilkYükseklik, sonYükseklik;
};
YayBiçimi yayBiçimi(const Satır& satır, const YayYeri& yay);

// A half tie (the `Y` mark) on the line's last note leaves the line
// (layer 7), on its first note enters it (layer 6); on any other note it is
// a short tie at the head, for which this gives 0.
int yarımBağKatmanı(const Satır& satır, int j);

// `YayKoordinatYaz`: stores a curve's two shape values where its layer keeps
// them.
void yayKoordinatYaz(Satır& satır, int x, int y, int ilk, int son, int katman);

}  // namespace selvika
