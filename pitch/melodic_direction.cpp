#include "pitch/melodic_direction.h"

#include <algorithm>
#include <memory>

#include "pitch/sound.h"

namespace selvika {
namespace {

// From koma position a to b.
Seyir adım(int a, int b) { return b < a ? Seyir::çıkış : b > a ? Seyir::iniş : Seyir::düz; }

constexpr Byte gurupBaşı = 1, gurupSonu = 3;

}  // namespace

Seyir seyirYönü(std::optional<int> önceki, int bu, std::optional<int> sonraki) {
    if (!önceki) return sonraki ? adım(bu, *sonraki) : Seyir::düz;
    const Seyir geliş = adım(*önceki, bu);
    if (!sonraki) return geliş;
    switch (geliş) {
        case Seyir::çıkış: return *sonraki <= bu ? Seyir::çıkış : Seyir::düz;
        case Seyir::iniş: return *sonraki < bu ? Seyir::düz : Seyir::iniş;
        case Seyir::düz: break;
    }
    return adım(bu, *sonraki);
}

FixedArray<Seyir, 0, sonElemanYuvası> satırSeyri(const Satır& satır, const KullanıcıDonanımı& kullanıcıDonanımı) {
    auto sesli = std::make_unique<Satır>(satır);
    sesindeksleriniYaz(*sesli, kullanıcıDonanımı);
    const auto& el = sesli->elemanlar;
    const int adet = std::min<int>(sesli->elemanSayısı, sonElemanYuvası);
    auto perde = [&el](int j) {
        return el[j].nota() && el[j].sesindeks != 0 ? std::optional<int>(el[j].sesindeks) : std::nullopt;
    };
    FixedArray<Seyir, 0, sonElemanYuvası> seyir{};
    for (int j = 1; j <= adet; ++j) {
        const auto bu = perde(j);
        if (!bu) continue;
        const Byte yer = el[j].gurup.gurupYeri;
        const auto önceki = j > 1 && yer != gurupBaşı ? perde(j - 1) : std::nullopt;
        const auto sonraki = j < adet && yer != gurupSonu ? perde(j + 1) : std::nullopt;
        seyir[j] = seyirYönü(önceki, *bu, sonraki);
    }
    return seyir;
}

}  // namespace selvika
