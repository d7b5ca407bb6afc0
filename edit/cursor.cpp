#include "edit/cursor.h"

#include <algorithm>

namespace selvika {

namespace {
int adet(const Satır& satır) { return std::min<int>(satır.elemanSayısı, sonElemanYuvası); }
}  // namespace

int imleç(const Satır& satır) {
    for (int j = 1; j <= adet(satır); ++j)
        if (satır.elemanlar[j].imleç == 1) return j;
    return 0;
}

void imleçKoy(Satır& satır, int j) {
    for (int i = 0; i <= sonElemanYuvası; ++i) satır.elemanlar[i].imleç = i == j ? 1 : 0;
}

char sapHarfi(const Eleman& e) { return e.sapYönü.codePage()[0]; }

void sapHarfiKoy(Eleman& e, char harf) { e.sapYönü = Text<1>::filled(harf); }

Byte notaGenişliği(char sapYönü, Byte süre) {
    if (sapYönü == sapDik && süre >= 8) return 18;
    return 12;
}

}  // namespace selvika
