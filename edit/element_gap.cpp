#include "edit/element_gap.h"

#include <algorithm>

namespace selvika {
namespace {

int adet(const Satır& satır) { return std::min<int>(satır.elemanSayısı, sonElemanYuvası); }

bool içeriyor(const Eleman& e, int x) { return x >= solKenar(e) - 8 && x <= sağKenar(e) + 8; }

void yuvayıTaşı(Satır& satır, int nereden, int nereye) {
    satır.elemanlar[nereye] = satır.elemanlar[nereden];
    satır.pasajİşaretleri[nereye] = satır.pasajİşaretleri[nereden];
}

void yuvayıBoşalt(Satır& satır, int j) {
    satır.elemanlar[j] = Eleman{};
    satır.pasajİşaretleri[j] = {};
}

}  // namespace

int solKenar(const Eleman& e) { return e.konum.x + e.konum.xKayma; }
int sağKenar(const Eleman& e) { return solKenar(e) + e.genişlik; }

FareYeri fareYeri(const Satır& satır, int x) {
    FareYeri yer;
    for (int j = 1; j <= adet(satır); ++j)
        if (sağKenar(satır.elemanlar[j]) < x) yer.sonra = j;
    const int sağdaki = yer.sonra + 1;
    yer.elemanÜstünde = sağdaki <= adet(satır) && solKenar(satır.elemanlar[sağdaki]) <= x;
    return yer;
}

bool gurupİçinde(const Satır& satır, int sonra) {
    if (sonra < 1 || sonra >= adet(satır)) return false;
    const Byte sol = satır.elemanlar[sonra].gurup.gurupYeri, sağ = satır.elemanlar[sonra + 1].gurup.gurupYeri;
    return (sol == 1 || sol == 2) && (sağ == 2 || sağ == 3);
}

bool trioleİçinde(const Satır& satır, int sonra) {
    if (sonra < 1 || sonra >= adet(satır)) return false;
    const Byte sol = satır.elemanlar[sonra].triole.trioleYeri, sağ = satır.elemanlar[sonra + 1].triole.trioleYeri;
    return (sol == 1 || sol == 2) && (sağ == 2 || sağ == 3);
}

std::optional<int> ilkİçeren(const Satır& satır, int x) {
    for (int j = 1; j <= adet(satır); ++j)
        if (içeriyor(satır.elemanlar[j], x)) return j;
    return std::nullopt;
}

std::optional<int> sonİçeren(const Satır& satır, int x) {
    for (int j = adet(satır); j >= 1; --j)
        if (içeriyor(satır.elemanlar[j], x)) return j;
    return std::nullopt;
}

void boşlukAç(Satır& satır, int sonra, int n) {
    for (int j = adet(satır); j > sonra; --j) yuvayıTaşı(satır, j, j + n);
    for (int j = sonra + 1; j <= sonra + n; ++j) yuvayıBoşalt(satır, j);
    satır.elemanSayısı = static_cast<Byte>(satır.elemanSayısı + n);
}

void elemanlarıSil(Satır& satır, int ilk, int son) {
    const int n = son - ilk + 1, eski = adet(satır);
    for (int j = son + 1; j <= eski; ++j) yuvayıTaşı(satır, j, j - n);
    for (int j = eski - n + 1; j <= eski; ++j) yuvayıBoşalt(satır, j);
    satır.elemanSayısı = static_cast<Byte>(eski - n);
}

}  // namespace selvika
