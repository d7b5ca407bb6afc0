#include "render/line_layout.h"

#include <cmath>

#include "render/bar_lines.h"

namespace selvika {
namespace {

constexpr Byte diyezBoşluğu = 35;  // '#': drawn without a gap of its own
constexpr Byte boşEleman = 36;     // '$'

long yuvarla(double d) { return std::lrint(d); }

// Attached notes at these positions keep their place and take no room.
bool yerindeKalır(const Eleman& e) { return e.takıKonumu == 900 || e.takıKonumu == 1900 || e.takıKonumu == 2900; }

}  // namespace

int kirişSıkıştırması(const Eleman& e, int ayar4) {
    if (e.gurup.kiriş >= 9) return ayar4 * 9;
    if (e.gurup.kiriş >= 6) return ayar4 * 6;
    if (e.gurup.kiriş >= 3) return ayar4 * 3;
    return 0;
}

YerleşimSonucu adresle4(Satır& satır, const PorteÖlçeği& ö, const ElemanÖlçümü& ölçüm) {
    int adet = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    if (adet < 1) return {};
    double W = satır.ayar2 - satır.ayar1 - 2 - satırSonuPayı(satır.satırSonu);
    double S = 0;
    int N = 0;
    for (int j = 1; j <= adet; ++j) {
        Eleman& e = satır.elemanlar[j];
        if (e.tür == tür::donanım) e.genişlik = ölçüm.donanımGenişliği(e);
        if (e.tür == tür::usul) e.genişlik = ölçüm.usulGenişliği(e);
        if (e.tür == diyezBoşluğu || e.tür == boşEleman) {
            W -= e.genişlik;
            continue;
        }
        S += e.genişlik - kirişSıkıştırması(e, satır.ayar4);
        ++N;
    }
    double G = std::min<double>((W - S) / std::max(N, 1), satır.ayar3);
    satır.adresAyarı = static_cast<Integer>(std::max<long>(1, yuvarla((G - ö.notaBaşı) / 4)));
    satır.çizimAyarı = 5;
    const double geriÇekme[] = {static_cast<double>(yuvarla((G - 4) / 2 + 2)), static_cast<double>(yuvarla((G - 8) / 2 + 4))};

    double x = satır.ayar1 + G / 2;
    for (int j = 1; j <= adet; ++j) {
        Eleman& e = satır.elemanlar[j];
        if (yerindeKalır(e)) continue;
        double çekme = e.tür == diyezBoşluğu ? geriÇekme[0] : e.tür == boşEleman ? geriÇekme[1] : 0;
        x -= çekme;
        e.konum.x = static_cast<Integer>(yuvarla(x));
        x += e.genişlik + G - kirişSıkıştırması(e, satır.ayar4) - çekme;
    }
    return {G, static_cast<int>(yuvarla(x))};
}

}  // namespace selvika
