#include "render/staff_geometry.h"

#include <algorithm>
#include <cmath>

#include "pitch/degrees.h"

namespace selvika {

std::vector<int> ekÇizgiler(int p) {
    std::vector<int> çizgiler;
    for (int k = -1; k >= -4 && p <= 8 + 2 * (k + 1); --k) çizgiler.push_back(k);
    for (int k = 5; k <= 9 && p >= 20 + 2 * (k - 5); ++k) çizgiler.push_back(k);
    return çizgiler;
}

PikselSatırları pikselSatırları(double y, double kalınlık) {
    const int adet = std::max(1, int(std::lround(kalınlık)));
    return {int(std::floor(y - adet / 2.0 + 0.5)), adet};
}

int sapUzatması(int p, bool aşağı) {
    constexpr int orta = 14, sap = 7;
    return std::max(0, aşağı ? orta - (p + sap) : (p - sap) - orta);
}

int esasY(int fareY, const PorteÖlçeği& ö, int taban) {
    for (int p = enTizPerde; p <= enPestPerde; ++p) {
        int y = perdeY(p, ö, taban);
        if (fareY >= y - ö.yakalamaPayı && fareY <= y + ö.yakalamaPayı) return p;
    }
    return -1;
}

std::vector<int> fareninEkÇizgileri(int fareY, const PorteÖlçeği& ö, int taban) {
    const int p = esasY(fareY, ö, taban);
    return p < 0 ? std::vector<int>{} : ekÇizgiler(p);
}

}  // namespace selvika
