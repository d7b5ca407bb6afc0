#include "rhythm/performed_durations.h"

#include <algorithm>
#include <array>

#include "rhythm/durations.h"
#include "rhythm/rounding.h"

namespace selvika {
namespace {

struct TrioleSüreleri {
    Byte payda;
    std::array<Byte, 3> birimler;  // first, middle, last
};

// A triplet plays in the time of two of its notes, the rounding spread so
// that the three add up exactly. Sixty-fourths get 1, 2, 1: the four units
// of a thirty-second, symmetric like the other rows.
constexpr TrioleSüreleri trioleSüreleri[] = {
    {8, {11, 10, 11}}, {16, {5, 6, 5}}, {32, {3, 2, 3}}, {64, {1, 2, 1}},
};

Byte bayt(double birim) { return static_cast<Byte>(yuvarla(birim)); }

Byte noktalı(Byte birim, Byte nokta) { return nokta == 1 ? bayt(birim * 1.5) : birim; }

Byte tekSüre(Byte payda, Byte nokta) {
    if (payda == 0) return 0;
    return noktalı(bayt(double(birlikBirim) / payda), nokta);
}

void trioleyiYaz(Satır& satır, int i, Byte payda) {
    const auto* satırı = std::find_if(std::begin(trioleSüreleri), std::end(trioleSüreleri),
                                       [&](const TrioleSüreleri& t) { return t.payda == payda; });
    if (satırı == std::end(trioleSüreleri)) return;
    int son = std::min({i + 2, int(satır.elemanSayısı), sonElemanYuvası});
    for (int k = i; k <= son; ++k) satır.elemanlar[k].süreBirim = satırı->birimler[k - i];
}

bool sürelidir(Byte tür) { return (tür >= 1 && tür <= tür::sonNota) || tür == tür::sus; }

}  // namespace

void süreBirimleriniYaz(Satır& satır, Etkileşim& etkileşim) {
    int son = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    for (int i = 1; i <= son; ++i) {
        Eleman& e = satır.elemanlar[i];
        if (e.tür == 0) continue;
        if (!sürelidir(e.tür)) {
            e.süreBirim = 0;
        } else if (e.gurup.gurupYeri == gurupYeri::yok) {
            e.süreBirim = tekSüre(e.süre, e.nokta);
        } else if (e.triole.trioleYeri == trioleYeri::yok) {
            e.süreBirim = tekSüre(surebul(satır, i, etkileşim), e.nokta);
        } else if (e.triole.trioleYeri == trioleYeri::ilk) {
            trioleyiYaz(satır, i, surebul(satır, i, etkileşim));
        }
    }
}

}  // namespace selvika
