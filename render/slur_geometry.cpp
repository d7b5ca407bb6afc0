#include "render/slur_geometry.h"

#include <algorithm>

namespace selvika {
namespace {

// "p" hangs the stem down, so the curve runs over the head; "d" stands it up.
bool sapAşağıda(const Eleman& e) { return e.sapYönü == Text<1>("p"); }

int x(const Eleman& e) { return e.konum.x + e.konum.xKayma; }

// Half a line distance a position, two line distances lower for a stem that
// stands up (the curve then runs under the head).
double uçY(const Eleman& e, const PorteÖlçeği& ö) {
    return e.tür * ö.satırAralığı / 2.0 + (sapAşağıda(e) ? 0 : 2 * ö.satırAralığı);
}

bool yayVar(const Satır& s, int ilk, int son, int k) {
    if (s.elemanlar[son].yay[k].durum != yayDurumu::bitiş || s.elemanlar[ilk].yay[k].durum != yayDurumu::başlangıç)
        return false;
    for (int j = ilk + 1; j < son; ++j)
        if (s.elemanlar[j].yay[k].durum != yayDurumu::iç) return false;
    return true;
}

bool katmanBoş(const Satır& s, int ilk, int son, int k) {
    for (int j = ilk; j <= son; ++j)
        if (s.elemanlar[j].yay[k].durum != yayDurumu::yok) return false;
    return true;
}

}  // namespace

int yaykararı(const Satır& satır, int ilk, int son) {
    for (int k = 1; k <= yayKatmanı; ++k)
        if (yayVar(satır, ilk, son, k)) return yayZatenVar;
    for (int k = 1; k <= yayKatmanı; ++k)
        if (katmanBoş(satır, ilk, son, k)) return k;
    return 0;
}

YayUçları yayUçları(const Satır& satır, int ilk, int son, int katman, const PorteÖlçeği& ö, int yüzeyGenişliği) {
    const Eleman& a = satır.elemanlar[ilk];
    const Eleman& b = satır.elemanlar[son];
    YayUçları u{0, uçY(a, ö), 0, uçY(b, ö)};
    switch (katman) {
        case trioleKatmanı:
            u.x1 = x(a) + 8;
            u.x2 = x(b) + 4;
            break;
        case girenYarımBağ:
            u.x1 = -x(b);
            u.x2 = x(b);
            break;
        case çıkanYarımBağ:
            // The tie leaves through the right edge: its far end lies as far
            // beyond the edge as the note lies before it.
            u.x1 = x(b) + ö.notaBaşı;
            u.x2 = 2.0 * yüzeyGenişliği - u.x1;
            break;
        default:
            u.x1 = x(a) + ö.notaBaşı;
            u.x2 = x(b);
    }
    return u;
}

std::vector<YayYeri> satırınYayları(const Satır& satır) {
    std::vector<YayYeri> yaylar;
    const int adet = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    for (int k = 1; k <= yayKatmanı; ++k)
        for (int i = 1; i <= adet; ++i) {
            if (satır.elemanlar[i].yay[k].durum != yayDurumu::başlangıç) continue;
            for (int j = i + 1; j <= adet; ++j)
                if (satır.elemanlar[j].yay[k].durum == yayDurumu::bitiş) {
                    yaylar.push_back({i, j, k});
                    break;
                }
        }
    return yaylar;
}

bool yayÜstte(const Satır& satır, const YayYeri& yay) { return sapAşağıda(satır.elemanlar[yay.ilk]); }

YayBiçimi yayBiçimi(const Satır& satır, const YayYeri& yay) {
    const YayUçları u = yayUçları(satır, yay.ilk, yay.son, yay.katman, editörÖlçeği, 0);
    const double kendiliğinden = std::clamp((u.x2 - u.x1) * 0.12, 4.0, 12.0);
    auto yükseklik = [&](int j) {
        const Integer değer = satır.elemanlar[j].yay[yay.katman].yayYükseklik;
        return değer != 0 ? double(değer) : kendiliğinden;
    };
    return {yükseklik(yay.ilk), yükseklik(yay.son)};
}

int yarımBağKatmanı(const Satır& satır, int j) {
    const int adet = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    auto notaVar = [&](int ilk, int son) {
        for (int i = ilk; i <= son; ++i)
            if (satır.elemanlar[i].nota()) return true;
        return false;
    };
    if (!notaVar(j + 1, adet)) return çıkanYarımBağ;
    if (!notaVar(1, j - 1)) return girenYarımBağ;
    return 0;
}

void yayKoordinatYaz(Satır& satır, int x, int y, int ilk, int son, int katman) {
    auto X = static_cast<Integer>(x), Y = static_cast<Integer>(y);
    if (katman >= 1 && katman <= yayKatmanı) {
        satır.elemanlar[ilk].yay[katman].yayYükseklik = X;
        satır.elemanlar[son].yay[katman].yayYükseklik = Y;
    } else if (katman == trioleKatmanı) {
        satır.elemanlar[ilk].triole.parantezYüksekliği = X;
        if (ilk + 2 <= sonElemanYuvası) satır.elemanlar[ilk + 2].triole.parantezYüksekliği = Y;
    } else if (katman == girenYarımBağ || katman == çıkanYarımBağ) {
        satır.elemanlar[ilk].heceAralığı.yayYükseklik = Y;
        satır.elemanlar[son].heceAralığı.yayYükseklik = Y;
    }
}

}  // namespace selvika
