#include "render/bar_lines.h"

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
