#include "render/page_geometry.h"

#include "core/titles.h"

namespace selvika {

int sonDoluSatır(const Eser& eser) {
    for (int n = satırSayısı; n >= 1; --n)
        if (eser.satırlar[n].elemanSayısı != 0) return n;
    return 6;
}

std::vector<SayfaSatırı> sayfaSatırları(const Eser& eser, int sayfa) {
    const Sayfa& s = eser.başlık.sayfalar[sayfa];
    int ilk = std::max<int>(s.ilkSatır, 1);
    int son = sayfa < sayfaSayısı ? eser.başlık.sayfalar[sayfa + 1].ilkSatır - 1 : satırSayısı;
    std::vector<SayfaSatırı> satırlar;
    int y = s.seviye;
    for (int n = ilk; n <= std::min(son, satırSayısı); ++n) {
        satırlar.push_back({n, y});
        y += s.yoğunluk + eser.başlık.aralıklar.satırAralıkları[n];
    }
    return satırlar;
}

int başlıkX(int başlık, int genişlik, int sayfaGenişliği, int solPay) {
    switch (başlıkHizası(başlık)) {
        case BaşlıkHizası::ortada: return (sayfaGenişliği - genişlik) / 2;
        case BaşlıkHizası::solda: return solPay;
        case BaşlıkHizası::sağda: break;
    }
    return sayfaGenişliği - genişlik - 18;
}

}  // namespace selvika
