#include "edit/spans.h"

#include <vector>

#include "rhythm/durations.h"

namespace selvika {

Byte& aralıkİşareti(Eleman& e, Aralık aralık) {
    switch (aralık) {
        case Aralık::kresendo: return e.kresendo.kresendo;
        case Aralık::dolap: return e.dolap.dolap;
        case Aralık::saz: return e.saz.durum;
        case Aralık::heceÇizgi: return e.heceÇizgi.durum;
        default: return e.yay[static_cast<int>(aralık) + 1].durum;
    }
}

Byte aralıkİşareti(const Eleman& e, Aralık aralık) { return aralıkİşareti(const_cast<Eleman&>(e), aralık); }

void aralığıİptalEt(Satır& satır, int j, Aralık aralık) {
    const int adet = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    if (j < 1 || j > adet) return;
    auto temizle = [&](int i) {
        Eleman& e = satır.elemanlar[i];
        aralıkİşareti(e, aralık) = 0;
        if (aralık == Aralık::kresendo) e.kresendo = {};
    };
    Byte işaret = aralıkİşareti(satır.elemanlar[j], aralık);
    if (işaret == 1 || işaret == 2)
        for (int i = j + 1; i <= adet; ++i) {
            bool son = aralıkİşareti(satır.elemanlar[i], aralık) == 3;
            temizle(i);
            if (son) break;
        }
    if (işaret == 2 || işaret == 3)
        for (int i = j - 1; i >= 1; --i) {
            bool ilk = aralıkİşareti(satır.elemanlar[i], aralık) == 1;
            temizle(i);
            if (ilk) break;
        }
    if (işaret != 0) temizle(j);
}

void bagiptal(Satır& satır, int j) {
    const int adet = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    if (j < 1 || j > adet || satır.elemanlar[j].gurup.gurupYeri == 0) return;
    int ilk = j, son = j;
    while (ilk > 1 && satır.elemanlar[ilk].gurup.gurupYeri != 1 && satır.elemanlar[ilk - 1].gurup.gurupYeri != 0) --ilk;
    while (son < adet && satır.elemanlar[son].gurup.gurupYeri != 3 && satır.elemanlar[son + 1].gurup.gurupYeri != 0) ++son;
    std::vector<std::optional<Byte>> süreler;
    for (int i = ilk; i <= son; ++i) süreler.push_back(kirişSüresi(satır, i));
    for (int i = ilk; i <= son; ++i) {
        Eleman& e = satır.elemanlar[i];
        if (auto süre = süreler[static_cast<std::size_t>(i - ilk)]) e.süre = *süre;
        e.gurup.gurupYeri = 0;
        e.gurup.gurupAyarı = 0;
        e.gurup.kiriş = 0;
    }
}

}  // namespace selvika
