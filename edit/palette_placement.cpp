#include "edit/palette_placement.h"

#include "edit/element_gap.h"
#include "edit/note_entry.h"

namespace selvika {
namespace {

// The refusal of a second key signature or usul where the gap after
// `sonra` already touches one.
const char* ikinciEngeli(const Satır& satır, int sonra, Byte tür) {
    if (tür != tür::donanım && tür != tür::usul) return nullptr;
    const bool komşu = (sonra >= 1 && satır.elemanlar[sonra].tür == tür) ||
                       (sonra < satır.elemanSayısı && satır.elemanlar[sonra + 1].tür == tür);
    if (!komşu) return nullptr;
    return tür == tür::donanım ? ikinciDonanım : ikinciUsul;
}

}  // namespace

Yerleştirme paletElemanıYerleştir(Satır& satır, const Eleman& yeni, int fareX, Etkileşim& etkileşim) {
    const FareYeri yer = fareYeri(satır, fareX);
    if (yer.elemanÜstünde) return Yerleştirme::elemanÜstünde;
    const char* engel = satır.elemanSayısı >= enFazlaEleman ? satırDoldu
                        : gurupİçinde(satır, yer.sonra)     ? gurupİçineGiremez
                        : trioleİçinde(satır, yer.sonra)    ? trioleİçineGiremez
                                                            : ikinciEngeli(satır, yer.sonra, yeni.tür);
    if (engel) {
        etkileşim.ikazYaz(engel);
        return Yerleştirme::reddedildi;
    }
    boşlukAç(satır, yer.sonra, 1);
    satır.elemanlar[yer.sonra + 1] = yeni;
    return Yerleştirme::yerleşti;
}

}  // namespace selvika
