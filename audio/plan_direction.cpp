#include "audio/plan_direction.h"

#include <optional>

#include "rhythm/durations.h"

namespace selvika {

void seyirYönüBul(Notalar& notalar) {
    auto perde = [&notalar](int i) {
        return i >= 1 && i <= notalar.sayı() && notalar[i].sesli() ? std::optional<int>(notalar[i].sesindeks)
                                                                    : std::nullopt;
    };
    for (int i = 1; i <= notalar.sayı(); ++i) {
        NotaKaydı& k = notalar[i];
        if (!k.sesli()) continue;
        const auto önceki = k.gurupYeri == gurupYeri::ilk ? std::nullopt : perde(i - 1);
        const auto sonraki = k.gurupYeri == gurupYeri::son ? std::nullopt : perde(i + 1);
        k.seyir = seyirYönü(önceki, k.sesindeks, sonraki);
    }
}

}  // namespace selvika
