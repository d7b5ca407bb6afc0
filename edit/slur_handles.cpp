#include "edit/slur_handles.h"

#include <algorithm>

namespace selvika {

bool tutamakGeçerli(const Satır& satır, const YayTutamağı& tutamak) {
    const std::vector<YayYeri> yaylar = satırınYayları(satır);
    return std::find(yaylar.begin(), yaylar.end(), tutamak.yay) != yaylar.end();
}

void tutamağıTaşı(Satır& satır, const YayTutamağı& tutamak, int dy) {
    const YayBiçimi b = yayBiçimi(satır, tutamak.yay);
    const int fark = yayÜstte(satır, tutamak.yay) ? -dy : dy;
    auto yeni = [fark](double h) { return std::max(static_cast<int>(h) + fark, 1); };
    const int ilk = tutamak.tür == TutamakTürü::orta ? yeni(b.ilkYükseklik) : static_cast<int>(b.ilkYükseklik);
    yayKoordinatYaz(satır, ilk, yeni(b.sonYükseklik), tutamak.yay.ilk, tutamak.yay.son, tutamak.yay.katman);
}

}  // namespace selvika
