#include "analysis/cins_profile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "rhythm/rounding.h"

namespace selvika {

namespace {

constexpr int sütunSayısı = 10;
constexpr int yedenSütunu = 9;
constexpr double centKoma = 1200.0 / 53.0;

// The pattern "000.00": three digits at least, two decimals.
std::string sıfırlı(double değer) {
    char metin[32];
    std::snprintf(metin, sizeof metin, "%s%06.2f", değer < 0 ? "-" : "", std::fabs(değer));
    return metin;
}

double uzaklık(const Cins& cins, int sütun, double değer) {
    return std::fabs(cins.değerler[static_cast<std::size_t>(sütun)] - değer) / 3;
}

}  // namespace

int cinsSütunu(int x) {
    if (x <= cinsSütunGenişliği) return 0;
    return std::min((x - 1) / cinsSütunGenişliği, sütunSayısı - 1);
}

int tıklananDeğer(int y) { return static_cast<int>(yuvarla((cinsTabanı - y) / 5.0)); }

bool cinsTıkla(Cins& cins, int x, int y) {
    const int sütun = cinsSütunu(x);
    if (sütun == 0) return false;
    cins.değerler[static_cast<std::size_t>(sütun)] = static_cast<Integer>(tıklananDeğer(y));
    return true;
}

std::string komaYazısı(double y) { return sıfırlı(imleçDeğeri(y) / 3) + " koma    "; }
std::string centYazısı(double y) { return sıfırlı(imleçDeğeri(y) / 3 * centKoma) + " cent"; }

CinsUzaklıkları cinsUzaklıkları(const Cins& cins, int x, double y) {
    const int sütun = cinsSütunu(x);
    const double değer = imleçDeğeri(y);
    CinsUzaklıkları u{uzaklık(cins, 0, değer), {}, {}};
    // Columns 0..4 rise, 5..8 fall back to the durak, 9 is the yeden below it.
    int alt = -1, üst = -1;
    if (sütun <= 4) {
        alt = sütun == 0 ? yedenSütunu : sütun - 1;
        üst = sütun == 4 ? -1 : sütun + 1;
    } else if (sütun < yedenSütunu) {
        alt = sütun + 1;
        üst = sütun - 1;
    } else {
        üst = sütun - 1;
    }
    if (alt >= 0) u.alt = uzaklık(cins, alt, değer);
    if (üst >= 0) u.üst = uzaklık(cins, üst, değer);
    return u;
}

}  // namespace selvika
