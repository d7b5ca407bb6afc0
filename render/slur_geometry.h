#pragma once

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

// `YayKoordinatYaz`: stores a curve's two shape values where its layer keeps
// them.
void yayKoordinatYaz(Satır& satır, int x, int y, int ilk, int son, int katman);

}  // namespace selvika
