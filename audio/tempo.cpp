#include "audio/tempo.h"

#include "rhythm/durations.h"
#include "rhythm/rounding.h"

namespace selvika {

Single birimUzunluğu(int metronom, int birimNota) {
    if (metronom == 0) return 0;
    return static_cast<Single>(60.0 / metronom * birimNota / birlikBirim * örneklemeHızı);
}

Single Tempo::artış() const {
    return birimSayısı > 1 ? (çıkış - giriş) / static_cast<Single>(birimSayısı - 1) : Single{0};
}

long Tempo::başlangıç(long birim) const {
    const double u = static_cast<double>(birim);
    return yuvarla(giriş * u) + yuvarla(u * (u - 1) / 2 * artış());
}

long Tempo::uzunluk() const { return yuvarla((double{giriş} + çıkış) / 2 * static_cast<double>(birimSayısı)); }

long pasajBirimSayısı(const Pasaj& p, const Notalar& notalar) {
    long birim = 0;
    for (int i = p.başlangıçİndeksi; i >= 1 && i <= p.bitişİndeksi && i <= notalar.sayı(); ++i)
        if (notalar[i].kanal <= 1) birim += notalar[i].süre;
    return birim;
}

Tempo pasajTemposu(const Pasaj& p, const Notalar& notalar) {
    return {birimUzunluğu(p.girişMetronomu, p.birimNota), birimUzunluğu(p.çıkışMetronomu, p.birimNota),
            pasajBirimSayısı(p, notalar)};
}

Tempo satırTemposu(const Pasaj& satırPasajı, long birimSayısı) {
    const Single s = birimUzunluğu(satırPasajı.girişMetronomu, satırPasajı.birimNota);
    return {s, s, birimSayısı};
}

}  // namespace selvika
