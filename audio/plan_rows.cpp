#include "audio/plan_rows.h"

#include <iterator>

namespace selvika {
namespace {

// Rows 10 to 21 go by threes through the four voices: instrument,
// göçürüm, channel.
constexpr int ilkSesSatırı = 10, sonSesSatırı = 21;
constexpr PlanÖzelliği sesÖzellikleri[] = {PlanÖzelliği::saz, PlanÖzelliği::göçürüm, PlanÖzelliği::kanal};

}  // namespace

std::optional<PlanSatırı> planSatırı(int satır) {
    if (satır >= ilkSesSatırı && satır <= sonSesSatırı) {
        const int sıra = satır - ilkSesSatırı;
        return PlanSatırı{sesÖzellikleri[sıra % 3], sıra / 3};
    }
    switch (satır) {
        case 4: return PlanSatırı{PlanÖzelliği::birimNota};
        case 5: return PlanSatırı{PlanÖzelliği::girişMetronomu};
        case 6: return PlanSatırı{PlanÖzelliği::çıkışMetronomu};
        case 8: return PlanSatırı{PlanÖzelliği::metronomKipi};
        case 22: return PlanSatırı{PlanÖzelliği::ritimSazı};
        case 24: return PlanSatırı{PlanÖzelliği::usul};
        case 23:
        case 26: return PlanSatırı{PlanÖzelliği::sesDengesi};
        case 28: return PlanSatırı{PlanÖzelliği::çeşni};
        default: return std::nullopt;
    }
}

std::optional<PlanSatırı> satırKipiSatırı(int satır) {
    constexpr PlanSatırı satırlar[] = {
        {PlanÖzelliği::birimNota}, {PlanÖzelliği::girişMetronomu}, {PlanÖzelliği::saz}, {PlanÖzelliği::göçürüm}};
    if (satır < 0 || satır >= int(std::size(satırlar))) return std::nullopt;
    return satırlar[satır];
}

bool planDüzenlenebilir(int seçiliPasaj, bool satırKipi, Etkileşim& etkileşim) {
    if (satırKipi || seçiliPasaj != 0) return true;
    etkileşim.mesaj("Önce bir pasaj seçin.");
    return false;
}

void ritimSazıSeç(Pasaj& p, const Text<5>& kod, Etkileşim& etkileşim) {
    if (kod.trimmed() == "DRBKA") {
        etkileşim.mesaj("Bu ritimsaz henüz yapım aşamasındadır.");
        return;
    }
    p.ritim = kod;
}

void çeşniyiDüzelt(PasajDeğeri& değer) {
    if (değer.cins > 49) değer.cins = 0;
    if (değer.çeşniPerdesi > 29) değer.çeşniPerdesi = 0;
}

}  // namespace selvika
