#include "edit/element_clipboard.h"

#include "edit/element_gap.h"
#include "edit/spans.h"

namespace selvika {
namespace {

bool sağaGider(Byte işaret) { return işaret == 1 || işaret == 2; }
bool soldanGelir(Byte işaret) { return işaret == 2 || işaret == 3; }

// An attached note whose anchor (takıKonumu, with the Integer after it)
// holds 901..999 is tied to the place it was written; a copy leaves it
// behind.
void bağlıTakıyıBırak(Eleman& e) {
    if (e.takıKonumu < 901 || e.takıKonumu > 999) return;
    e.takıKonumu = 0;
    e.takıKonumBloğu[0] = 0;
}

// Cancels the spans that run on to the right of element j.
void sağaGidenleriİptalEt(Satır& satır, int j) {
    for (Aralık a : tümAralıklar)
        if (sağaGider(aralıkİşareti(satır.elemanlar[j], a))) aralığıİptalEt(satır, j, a);
}

}  // namespace

void GurupTemizle(Satır& satır, SeçiliAralık aralık) {
    if (aralık.ilk > 1)
        for (Aralık a : tümAralıklar)
            if (soldanGelir(aralıkİşareti(satır.elemanlar[aralık.ilk], a))) aralığıİptalEt(satır, aralık.ilk, a);
    sağaGidenleriİptalEt(satır, aralık.son);
}

void panoyaKopyala(const Satır& satır, SeçiliAralık aralık, ElemanPanosu& pano) {
    pano.satır = Satır{};
    pano.n = aralık.adet();
    for (int k = 1; k <= pano.n; ++k) {
        Eleman& e = pano.satır.elemanlar[k] = satır.elemanlar[aralık.ilk + k - 1];
        bağlıTakıyıBırak(e);
        e.imleç = 0;  // the cursor stays where it is; its copies are plain elements
    }
    pano.satır.elemanSayısı = static_cast<Byte>(pano.n);
    pano.hazır = true;
}

bool yapıştır(Satır& satır, const ElemanPanosu& pano, int fareX, Etkileşim& etkileşim) {
    if (!pano.hazır) {
        etkileşim.ikazYaz(seçimYok);
        return false;
    }
    if (satır.elemanSayısı + pano.n > enFazlaEleman) {
        etkileşim.ikazYaz(sığmıyor);
        return false;
    }
    FareYeri yer;
    if (satır.elemanSayısı > 0) {
        yer = fareYeri(satır, fareX);
        if (yer.elemanÜstünde) {
            etkileşim.ikazYaz(boşBölgeDeğil);
            return false;
        }
        if (gurupİçinde(satır, yer.sonra)) {
            etkileşim.ikazYaz(gurupArası);
            return false;
        }
        if (yer.sonra >= 1) sağaGidenleriİptalEt(satır, yer.sonra);
    }
    boşlukAç(satır, yer.sonra, pano.n);
    for (int k = 1; k <= pano.n; ++k) satır.elemanlar[yer.sonra + k] = pano.satır.elemanlar[k];
    return true;
}

}  // namespace selvika
