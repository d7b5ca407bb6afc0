#pragma once

#include "audio/flat_notes.h"
#include "core/passage.h"

namespace selvika {

// Voice 0 is the soloist, 1 to 3 the accompaniments.
Text<5>& sesSazı(Pasaj& p, int ses);
const Text<5>& sesSazı(const Pasaj& p, int ses);

// The channel of a voice, two bits each from bit 0 up in `kanallar`.
Byte sesKanalı(const Pasaj& p, int ses);
void sesKanalınıAyarla(Pasaj& p, int ses, Byte kanal);

// A voice hears the records of channel 0 and those of its own channel.
constexpr bool duyar(Byte sesKanalı, Byte kayıtKanalı) { return kayıtKanalı == 0 || kayıtKanalı == sesKanalı; }

// A voice sounds unless its instrument is `SZYOK`; a passage with no
// sounding voice and the rhythm `RTYOK` renders nothing.
bool sesÇalar(const Pasaj& p, int ses);
bool pasajSessiz(const Pasaj& p);

}  // namespace selvika
