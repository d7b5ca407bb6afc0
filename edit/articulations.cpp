#include "edit/articulations.h"

namespace selvika::artikülasyon {

void arşeDöndür(Eleman& e) { e.ayrılmış2 = static_cast<Byte>((e.ayrılmış2 + 1) % yönSayısı); }

void mızrapDöndür(Eleman& e) { e.ayrılmış3 = static_cast<Byte>((e.ayrılmış3 + 1) % yönSayısı); }

bool puadorkDöndür(Eleman& e) {
    const Byte işaret = e.ayrılmış4 & (puadork | piçikato);
    if (işaret == (puadork | piçikato)) return false;
    const Byte sonraki = işaret == 0 ? puadork : işaret == puadork ? piçikato : 0;
    e.ayrılmış4 = static_cast<Byte>((e.ayrılmış4 & ~(puadork | piçikato)) | sonraki);
    return true;
}

// Only put: a note that has one keeps it.
void tremoloKoy(Eleman& e) { e.ayrılmış1 = 1; }

void yarımBağDeğiştir(Eleman& e) { e.ayrılmış5[0] = yarımBağ(e) ? 0 : 1; }

}  // namespace selvika::artikülasyon
