#include "edit/line_clipboard.h"

namespace selvika {

bool SatırPanosu::Mn_SatıraYapıştır_Click(Eser& eser, int hedef, Etkileşim& etkileşim) {
    if (!dolu() || hedef < 1 || hedef > satırSayısı || hedef == kaynak_) return false;
    if (eser.satırlar[hedef].elemanSayısı > 0 &&
        etkileşim.mesaj(yapıştırmaSorusu, yapıştırmaOnayı, Düğmeler::tamamVazgeç) != Cevap::tamam)
        return false;
    Satır& kaynak = eser.satırlar[kaynak_];
    eser.satırlar[hedef] = kaynak;
    if (taşı_) {
        for (Eleman& e : kaynak.elemanlar) e = Eleman{};
        kaynak.elemanSayısı = 0;
    }
    kaynak_ = 0;
    return true;
}

}  // namespace selvika
