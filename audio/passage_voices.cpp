#include "audio/passage_voices.h"

namespace selvika {

Text<5>& sesSazı(Pasaj& p, int ses) { return ses == 0 ? p.solist : p.eşlikler[std::size_t(ses - 1)]; }
const Text<5>& sesSazı(const Pasaj& p, int ses) { return ses == 0 ? p.solist : p.eşlikler[std::size_t(ses - 1)]; }

Byte sesKanalı(const Pasaj& p, int ses) { return static_cast<Byte>((p.kanallar >> (2 * ses)) & 3); }

void sesKanalınıAyarla(Pasaj& p, int ses, Byte kanal) {
    const int kayma = 2 * ses;
    p.kanallar = static_cast<Byte>((p.kanallar & ~(3 << kayma)) | ((kanal & 3) << kayma));
}

bool sesÇalar(const Pasaj& p, int ses) { return sesSazı(p, ses).trimmed() != "SZYOK"; }

bool pasajSessiz(const Pasaj& p) {
    for (int ses = 0; ses < sesSayısı; ++ses)
        if (sesÇalar(p, ses)) return false;
    return p.ritim.trimmed() == "RTYOK";
}

}  // namespace selvika
