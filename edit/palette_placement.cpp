#include "edit/palette_placement.h"

#include "edit/element_gap.h"
#include "edit/note_entry.h"

namespace selvika {

bool paletElemanıYerleştir(Satır& satır, const Eleman& yeni, int fareX, Etkileşim& etkileşim) {
    if (satır.elemanSayısı >= enFazlaEleman) {
        etkileşim.ikazYaz(satırDoldu);
        return false;
    }
    const FareYeri yer = fareYeri(satır, fareX);
    if (yer.elemanÜstünde) return false;
    if (gurupİçinde(satır, yer.sonra)) {
        etkileşim.ikazYaz(gurupİçineGiremez);
        return false;
    }
    if (trioleİçinde(satır, yer.sonra)) {
        etkileşim.ikazYaz(trioleİçineGiremez);
        return false;
    }
    boşlukAç(satır, yer.sonra, 1);
    satır.elemanlar[yer.sonra + 1] = yeni;
    return true;
}

}  // namespace selvika
