#pragma once

#include <optional>

#include "core/header.h"
#include "core/interaction.h"

namespace selvika {

// What a row of the property list edits (`List3_Click`).
enum class PlanÖzelliği {
    birimNota, girişMetronomu, çıkışMetronomu, metronomKipi, saz, göçürüm, kanal, ritimSazı, usul, sesDengesi, çeşni
};

struct PlanSatırı {
    PlanÖzelliği özellik;
    int ses = 0;  // for the voice rows: 0 soloist, 1 to 3 accompaniments
    constexpr bool operator==(const PlanSatırı&) const = default;
};

// The property of a row, nothing for rows that edit nothing.
std::optional<PlanSatırı> planSatırı(int satır);
// The same in line-play mode, whose list holds only the unit note, the
// metronome, the soloist and its göçürüm.
std::optional<PlanSatırı> satırKipiSatırı(int satır);

// A row edits the selected passage (0 none) or, in line-play mode, the
// line-play record; with neither the user is asked to select a passage.
bool planDüzenlenebilir(int seçiliPasaj, bool satırKipi, Etkileşim& etkileşim);

// The rhythm menu; the darbuka is not ready yet and changes nothing.
void ritimSazıSeç(Pasaj& p, const Text<5>& kod, Etkileşim& etkileşim);

// A çeşni read from a file may point outside the cins table (0 to 49) or
// the çeşni perdes (0 to 29): it is dropped when the passage is shown.
void çeşniyiDüzelt(PasajDeğeri& değer);

}  // namespace selvika
