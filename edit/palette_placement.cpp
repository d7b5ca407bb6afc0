#include "edit/palette_placement.h"

#include "edit/element_gap.h"
#include "edit/note_entry.h"

namespace selvika {

Yerleştirme paletElemanıYerleştir(Satır& satır, const Eleman& yeni, int fareX, Etkileşim& etkileşim) {
    const FareYeri yer = fareYeri(satır, fareX);
    if (yer.elemanÜstünde) return Yerleştirme::elemanÜstünde;
    const char* engel = satır.elemanSayısı >= enFazlaEleman ? satırDoldu
                        : gurupİçinde(satır, yer.sonra)     ? gurupİçineGiremez
                        : trioleİçinde(satır, yer.sonra)    ? trioleİçineGiremez
                                                            : nullptr;
    if (engel) {
        etkileşim.ikazYaz(engel);
        return Yerleştirme::reddedildi;
    }
    boşlukAç(satır, yer.sonra, 1);
    satır.elemanlar[yer.sonra + 1] = yeni;
    return Yerleştirme::yerleşti;
}

}  // namespace selvika
