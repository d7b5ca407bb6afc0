#include "audio/plan_line_play.h"

#include "audio/passage_list.h"

namespace selvika {

void satırPasajınıHazırla(EserBaşlık& başlık) {
    if (başlık.satırPasajı.ad.trimmed() == satırPasajıAdı) return;
    Pasaj p = varsayılanPasaj(satırPasajıAdı);
    p.birimNota = 4;
    p.girişMetronomu = p.çıkışMetronomu = 80;
    p.solist = Text<5>("KANUN");
    p.göçürümler[0] = 22;
    p.kanallar = 1;
    başlık.satırPasajı = p;
}

}  // namespace selvika
