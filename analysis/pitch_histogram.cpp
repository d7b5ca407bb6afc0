#include "analysis/pitch_histogram.h"

#include <algorithm>
#include <numeric>

namespace selvika {

namespace {

std::int64_t aralıkToplamı(const Histogram& h, int ilk, int son) {
    if (ilk > son) return 0;
    return std::accumulate(h.begin() + ilk, h.begin() + son + 1, std::int64_t{0});
}

}  // namespace

void PerdeSayımı::say(const Eleman& eleman) {
    const int k = eleman.sesindeks;
    if (eleman.tür >= 1 && eleman.tür <= 30) {
        if (k >= komaKonumSayısı) return;
        adet[k] += 1;
        süre[k] += eleman.süreBirim;
        enBüyük = std::max(enBüyük, k);
        enKüçük = std::min(enKüçük, k);
    } else if (eleman.tür == tür::sus) {
        adet[0] += 1;
        süre[0] += eleman.süreBirim;
    }
}

void PerdeSayımı::say(const Satır& satır) {
    for (int i = 1; i <= std::min<int>(satır.elemanSayısı, sonElemanYuvası); ++i) say(satır.elemanlar[i]);
}

std::int64_t PerdeSayımı::toplamAdet() const { return aralıkToplamı(adet, enKüçük, enBüyük); }
std::int64_t PerdeSayımı::toplamSüre() const { return aralıkToplamı(süre, enKüçük, enBüyük); }

PerdeSayımı& PerdeSayımı::operator+=(const PerdeSayımı& öbür) {
    for (int k = 0; k < komaKonumSayısı; ++k) {
        adet[k] += öbür.adet[k];
        süre[k] += öbür.süre[k];
    }
    enBüyük = std::max(enBüyük, öbür.enBüyük);
    enKüçük = std::min(enKüçük, öbür.enKüçük);
    return *this;
}

PerdeSayımı perdeleriSay(const Eser& eser) {
    PerdeSayımı sayım;
    for (const Satır& satır : eser.satırlar) sayım.say(satır);
    return sayım;
}

bool analizAçılır(const Eser& eser, Etkileşim& etkileşim) {
    if (eser.satırlar[1].elemanSayısı >= 10) return true;
    etkileşim.mesaj(yetersizNotaMesajı);
    return false;
}

}  // namespace selvika
