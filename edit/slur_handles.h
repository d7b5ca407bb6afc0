#pragma once

#include "core/line.h"
#include "render/slur_geometry.h"

namespace selvika {

// The two handles of a slur in the "Yaylar" view: `OrtaEtiketi` at its
// crest raises or lowers the whole curve; `YayEtiketi` over its last end
// moves the second half alone, leaning the crest towards one end.
enum class TutamakTürü { orta, yay };

struct YayTutamağı {
    YayYeri yay;
    TutamakTürü tür;
    constexpr bool operator==(const YayTutamağı&) const = default;
};

// Whether the handle's slur is still in the line.
bool tutamakGeçerli(const Satır& satır, const YayTutamağı& tutamak);

// Moving a handle dy pixels down the screen (up when negative): the slur's
// shape values follow through `YayKoordinatYaz`; a curve never flattens
// below one pixel.
void tutamağıTaşı(Satır& satır, const YayTutamağı& tutamak, int dy);

}  // namespace selvika
