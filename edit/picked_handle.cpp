#include "edit/picked_handle.h"

namespace selvika {

bool tutamakGeçerli(const Satır& satır, const Tutamak& tutamak) {
    return std::visit([&satır](const auto& t) { return tutamakGeçerli(satır, t); }, tutamak);
}

void tutamağıTaşı(Satır& satır, const Tutamak& tutamak, int dx, int dy) {
    if (const auto* yay = std::get_if<YayTutamağı>(&tutamak)) {
        if (dy != 0) tutamağıTaşı(satır, *yay, dy);
        return;
    }
    const auto& etiket = std::get<EtiketTutamağı>(tutamak);
    if (dx != 0) parçayıKaydır(satır.elemanlar[etiket.eleman], etiket.parça, dx);
}

}  // namespace selvika
