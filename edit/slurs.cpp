#include "edit/slurs.h"

#include <algorithm>
#include <string_view>

#include "edit/cursor.h"
#include "edit/spans.h"
#include "render/slur_geometry.h"

namespace selvika {

namespace {

bool yayUcu(const Eleman& e) { return gurupNotası(e) || e.tür == tür::boşluk; }

bool reddet(Etkileşim& etkileşim, std::string_view metin) {
    etkileşim.ikazYaz(metin);
    return false;
}

}  // namespace

Integer yeniYayYüksekliği(int ilk, int son) { return static_cast<Integer>(std::min(6 + 2 * (son - ilk), 30)); }

bool liezonYap(Satır& satır, int ilk, int son, Etkileşim& etkileşim) {
    const Eleman& a = satır.elemanlar[ilk];
    const Eleman& b = satır.elemanlar[son];
    if (!yayUcu(a)) return reddet(etkileşim, "ilk eleman bir nota değil !");
    if (!yayUcu(b)) return reddet(etkileşim, "Son eleman bir nota değil !");
    if (a.tür != tür::boşluk && b.tür != tür::boşluk && sapHarfi(a) != sapHarfi(b))
        return reddet(etkileşim, "ilk ve son notaların ayak yönlerini düzenleyin veya parçalı liezon uygulayın");
    const int katman = yaykararı(satır, ilk, son);
    if (katman == yayZatenVar) return reddet(etkileşim, liezonMevcut);
    if (katman < 1 || katman > yayKatmanı) return reddet(etkileşim, " liezonlarınızı tekrar düzenleyin");
    for (int j = ilk; j <= son; ++j)
        satır.elemanlar[j].yay[katman].durum = j == ilk   ? yayDurumu::başlangıç
                                              : j == son ? yayDurumu::bitiş
                                                         : yayDurumu::iç;
    const Integer yükseklik = yeniYayYüksekliği(ilk, son);
    yayKoordinatYaz(satır, yükseklik, yükseklik, ilk, son, katman);
    return true;
}

bool uçYaylarınıKaldır(Satır& satır, int j) {
    bool kaldırıldı = false;
    for (int k = 1; k <= yayKatmanı; ++k) {
        const Byte durum = satır.elemanlar[j].yay[k].durum;
        if (durum != yayDurumu::başlangıç && durum != yayDurumu::bitiş) continue;
        yayiptal(satır, j, k);
        kaldırıldı = true;
    }
    return kaldırıldı;
}

}  // namespace selvika
