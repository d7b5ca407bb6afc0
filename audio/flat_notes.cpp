#include "audio/flat_notes.h"

#include "core/articulations.h"
#include "rhythm/rounding.h"

namespace selvika {

NotaKaydı notaKaydı(const Eleman& e, int satır, int eleman) {
    NotaKaydı k;
    k.ekranX = static_cast<int>(yuvarla(2.0 * (e.konum.x + e.konum.xKayma) / 3.0));
    k.satır = static_cast<Byte>(satır);
    k.eleman = static_cast<Byte>(eleman);
    k.tür = e.tür;
    k.sesindeks = e.sesindeks;
    k.süre = e.süreBirim;
    k.arıza = e.arıza.arıza;
    k.mikroton = e.arıza.mikroton;
    k.tremolo = artikülasyon::tremolo(e);
    k.kanal = e.kanal;
    k.gurupYeri = e.gurup.gurupYeri;
    return k;
}

std::optional<int> notaİndeksi(const Notalar& notalar, int satır, int eleman) {
    for (int i = 1; i <= notalar.sayı(); ++i)
        if (notalar[i].satır == satır && notalar[i].eleman == eleman) return i;
    return std::nullopt;
}

}  // namespace selvika
