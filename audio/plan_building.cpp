#include "audio/plan_building.h"

#include "audio/passage_checks.h"
#include "audio/passage_marks.h"
#include "audio/plan_direction.h"
#include "audio/plan_line_play.h"

namespace selvika {

std::optional<Notalar> icraPlanıKur(Eser& eser, Etkileşim& etkileşim) {
    if (eser.satırlar[1].elemanSayısı < 10) {
        etkileşim.mesaj("eserin ilk satırında yeterli nota yok.");
        return std::nullopt;
    }
    Notalar notalar = notalarıKur(eser, etkileşim);
    pasajlarıDenetle(eser.başlık, etkileşim);
    seyirYönüBul(notalar);
    return notalar;
}

void açılanEserinPlanı(Eser& eser, Etkileşim& etkileşim) {
    satırPasajınıHazırla(eser.başlık);
    pasajİşaretleriniYaz(eser, etkileşim);
}

}  // namespace selvika
