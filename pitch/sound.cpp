#include "pitch/sound.h"

#include "pitch/key_signatures.h"
#include "rhythm/performed_durations.h"

namespace selvika {
namespace {

// An accidental written in a measure holds for its letter in every octave
// from Tiz Muhayyer to K.H.Aşiran; the lowest four degrees keep theirs.
void ölçüDurumunaYaz(PerdeDurumu& ölçü, int p, int arıza) {
    for (int q = p % 7 == 0 ? 7 : p % 7; q <= 25; q += 7) ölçü[static_cast<std::size_t>(q)] = arıza;
}

int notanınKomaKonumu(const Eleman& e, PerdeDurumu& ölçü) {
    int p = e.tür;
    int arıza = e.arıza.arıza;
    if (arıza == bekar) arıza = 0;
    else if (arıza == 0) return komaKonumu(ölçü[static_cast<std::size_t>(p)], p);
    ölçüDurumunaYaz(ölçü, p, arıza);
    return komaKonumu(arıza, p);
}

}  // namespace

void sesindeksleriniYaz(Satır& satır, const KullanıcıDonanımı& kullanıcıDonanımı) {
    PerdeDurumu donanım{}, ölçü{};
    for (int j = 1; j <= std::min<int>(satır.elemanSayısı, sonElemanYuvası); ++j) {
        Eleman& e = satır.elemanlar[j];
        e.sesindeks = 0;
        if (e.tür == tür::donanım) {
            donanımıUygula(e.usulNo, kullanıcıDonanımı, donanım);
            ölçü = donanım;
        } else if (ölçüBitirir(e.tür)) {
            ölçü = donanım;
        } else if (e.tür >= 1 && e.tür <= 29) {
            e.sesindeks = static_cast<Byte>(notanınKomaKonumu(e, ölçü));
        }
    }
}

void ses(Satır& satır, const KullanıcıDonanımı& kullanıcıDonanımı, Etkileşim& etkileşim) {
    sesindeksleriniYaz(satır, kullanıcıDonanımı);
    süreBirimleriniYaz(satır, etkileşim);
}

}  // namespace selvika
