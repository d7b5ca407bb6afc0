#include "audio/cesni.h"

#include "audio/frequencies.h"
#include "pitch/degrees.h"

namespace selvika {

namespace {

// The value a degree d steps above the yeden takes (d = 1 is the durak):
// the ascending course for rising and level notes, the descending one for
// falling notes.
int cinsDeğeri(const Cins& cins, int d, Seyir seyir) {
    int sıra = d;
    if (d == 0) sıra = 10;
    else if (d >= 2 && d <= 4 && seyir == Seyir::iniş) sıra = 10 - d;
    return cins.değerler[static_cast<std::size_t>(sıra - 1)];
}

}  // namespace

std::optional<Ses> çeşniUygula(Ses ses, int p, Seyir seyir, Çeşni çeşni, const CinsKütüphanesi& cinsler) {
    if (çeşni.perde < 0 || çeşni.perde > perdeSayısı || çeşni.cins < 0 || çeşni.cins >= cinsSayısı)
        return std::nullopt;
    const int d = çeşni.perde - p + 1;
    if (çeşni.perde == 0 || d < 0 || d > 5) return ses;
    // Thirds of a koma above the çeşni perde; a remainder of two thirds is
    // the next koma less one third.
    const int v = cinsDeğeri(cinsler[static_cast<std::size_t>(çeşni.cins)], d, seyir);
    Ses yeni{doğalKoma(çeşni.perde) - v / 3, v % 3};
    if (yeni.kayma == 2) yeni = {yeni.koma - 1, -1};
    if (yeni.kayma == -2) yeni = {yeni.koma + 1, 1};
    if (yeni.koma < 1 || yeni.koma > enPestKoma) return std::nullopt;
    return yeni;
}

}  // namespace selvika
