#include "render/bar_lines.h"

#include <algorithm>

namespace selvika {

ÇizgiTürü ölçüÇizgisiTürü(Byte tür) {
    switch (tür) {
        case 43: return ÇizgiTürü::tek;
        case 33:
        case 41: return ÇizgiTürü::çift;
        case 34: return ÇizgiTürü::son;
        case 37: return ÇizgiTürü::tekrarBaşı;
        case 38: return ÇizgiTürü::tekrarSonu;
        case 39: return ÇizgiTürü::tekrarİkisi;
        default: return tür >= 44 && tür <= 51 ? ÇizgiTürü::tek : ÇizgiTürü::yok;
    }
}

ÇizgiTürü satırSonuÇizgisi(Byte satırSonu) {
    switch (satırSonu) {
        case satırSonuTürü::tekÇizgi: return ÇizgiTürü::tek;
        case satırSonuTürü::çiftÇizgi: return ÇizgiTürü::çift;
        case satırSonuTürü::sonÇizgi: return ÇizgiTürü::son;
        default: return ÇizgiTürü::yok;
    }
}

int satırSonuPayı(Byte satırSonu) {
    switch (satırSonuÇizgisi(satırSonu)) {
        case ÇizgiTürü::tek: return 2;
        case ÇizgiTürü::çift: return 6;
        case ÇizgiTürü::son: return 10;
        default: return 0;
    }
}

bool çizgiyleBiter(const Satır& satır) {
    const int adet = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    return adet > 0 && ölçüÇizgisiTürü(satır.elemanlar[adet].tür) != ÇizgiTürü::yok;
}

ÇizgiTürü kapanışÇizgisi(const Satır& satır) {
    if (satır.elemanSayısı == 0) return ÇizgiTürü::yok;
    const ÇizgiTürü t = satırSonuÇizgisi(satır.satırSonu);
    if (t != ÇizgiTürü::yok || !çizgiyleBiter(satır)) return t;
    return ölçüÇizgisiTürü(satır.elemanlar[std::min<int>(satır.elemanSayısı, sonElemanYuvası)].tür);
}

int sonrakiÇizgi(const Satır& satır, int ilk) {
    for (int j = std::max(ilk, 1); j <= std::min<int>(satır.elemanSayısı, sonElemanYuvası); ++j)
        if (ölçüÇizgisiTürü(satır.elemanlar[j].tür) != ÇizgiTürü::yok) return j;
    return 0;
}

int ölçüÇizgisiGlifi(ÇizgiTürü t) {
    switch (t) {
        case ÇizgiTürü::tek: return 'b';
        case ÇizgiTürü::çift: return 'c';
        case ÇizgiTürü::son: return 'd';
        case ÇizgiTürü::tekrarBaşı: return 'f';
        case ÇizgiTürü::tekrarSonu: return 'h';
        case ÇizgiTürü::tekrarİkisi: return 'i';
        case ÇizgiTürü::yok: break;
    }
    return 0;
}

}  // namespace selvika
