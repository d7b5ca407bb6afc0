#include "lyrics/syllables.h"

#include <algorithm>

#include "core/trimmed_text.h"
#include "edit/spans.h"

namespace selvika {
namespace {

inline constexpr Byte dolar = '$';

int adet(const Satır& satır) { return std::min<int>(satır.elemanSayısı, sonElemanYuvası); }

bool heceAlır(const Eleman& e) {
    if (!e.nota() || e.tür == dolar) return false;
    if (std::ranges::any_of(e.yay, [](const YaySlotu& y) { return y.durum > 1; })) return false;
    return e.triole.trioleYeri <= 1 && e.saz.durum == 0;
}

}  // namespace

std::string HeceKutusu_Change(std::string metin) {
    if (metin.find_first_not_of(' ') == std::string::npos) metin.clear();
    return metin;
}

HeceKutuları heceKutularınıDoldur(const Satır& satır) {
    HeceKutuları kutular;
    for (int r = 1; r <= 4; ++r) kutular[static_cast<std::size_t>(r - 1)] = satır.güfteSatırları[r].trimmed();
    return kutular;
}

void But_hece_manuel(Satır& satır, const HeceKutuları& kutular) {
    for (int r = 1; r <= 4; ++r) satır.güfteSatırları[r] = kırpılmışMetin<100>(kutular[static_cast<std::size_t>(r - 1)]);
}

void But_hece_otomatik(Satır& satır, const HeceKutuları& kutular) {
    But_hece_manuel(satır, kutular);
    heceleriOtomatikSeç(satır);
}

void heceleriOtomatikSeç(Satır& satır) {
    for (Eleman& e : satır.elemanlar) e.hece = 0;
    for (int i = 1; i <= adet(satır); ++i) {
        Eleman& e = satır.elemanlar[i];
        e.hece = heceAlır(e) ? 1 : 0;
        const Byte aralıkİşareti = e.heceAralığı.durum;
        if (aralıkİşareti == 1)
            for (int k = 1; k <= i; ++k) satır.elemanlar[k].hece = 0;
        if (aralıkİşareti == 2) break;
    }
}

void heceyiKaldır(Satır& satır, int j) {
    if (j < 1 || j > adet(satır)) return;
    hececiziptal(satır, j);
    satır.elemanlar[j].hece = 0;
}

int heceEtiketiX(const Eleman& e) { return e.konum.x + e.konum.xKayma + e.heceAyarı; }

}  // namespace selvika
