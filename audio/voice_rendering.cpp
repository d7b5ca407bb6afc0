#include "audio/voice_rendering.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace selvika {
namespace {

struct SazSatırı {
    std::string_view kod;
    SazSabitleri sabitler;
};

constexpr std::array sazTablosu{
    SazSatırı{"CELLO", {10000, 1, false}}, SazSatırı{"CELPC", {5000, 2, false}},
    SazSatırı{"KMNCE", {10000, 1, false}}, SazSatırı{"KEMAN", {30000, 1, false}},
    SazSatırı{"SINUS", {1, 1, false}},     SazSatırı{"KLRNT", {1, 1, false}},
    SazSatırı{"MTNBR", {1, 2, true}},      SazSatırı{"UDOOO", {1, 2, true}},
    SazSatırı{"KANUN", {1, 2, true}},
};

// A tremolo strikes the note again every this many units.
constexpr int tremoloAralığı = 8;
// The release fades a note by this factor.
constexpr double sönüm = 32000;

}  // namespace

SazSabitleri sazSabitleri(std::string_view sazKodu) {
    auto satır = std::ranges::find(sazTablosu, sazKodu, &SazSatırı::kod);
    return satır == sazTablosu.end() ? SazSabitleri{} : satır->sabitler;
}

const Text<5>& sesKodu(const Pasaj& pasaj, int slot) {
    return slot == 1 ? pasaj.solist : pasaj.eşlikler[slot - 2];
}

void SesYazıcı::nota(std::span<const Integer> akortluNota, int süre, bool tremolo) {
    if (tremolo && saz_.tremolo)
        tremoloVuruşları(akortluNota, süre);
    else
        tekVuruş(akortluNota, süre);
    u_ += süre;
}

std::span<const Integer> SesYazıcı::okumaYeri(std::span<const Integer> akortluNota, long başlangıç) const {
    return akortluNota.subspan(std::min(akortluNota.size(), static_cast<std::size_t>(başlangıç - 1)));
}

void SesYazıcı::tekVuruş(std::span<const Integer> akortluNota, int süre) {
    long t = birim_.başlangıç(u_);
    double uzunluk = süre * double{birim_.Sin};
    long e = std::lrint(uzunluk * saz_.uzunlukÇarpanı + t - 1);
    auto salıverme = static_cast<long>(0.05 * uzunluk);
    auto kaynak = okumaYeri(akortluNota, saz_.başlangıç);
    long düz = std::max(0L, e - salıverme - t + 1);
    yarıyaKat(tampon_, t, kaynak, düz);
    // No release, no fade: the decay step needs at least one sample.
    if (salıverme == 0) return;
    double q = std::pow(sönüm, 1.0 / salıverme);
    yarıyaKat(tampon_, t + düz, okumaYeri(kaynak, düz + 1), e - t + 1 - düz, q);
}

// The strokes fall every 8 units of the note and each rings 1.3 times the
// note's length unless the next stroke halves it; the note keeps its written
// length, a last short stroke included.
void SesYazıcı::tremoloVuruşları(std::span<const Integer> akortluNota, int süre) {
    auto uzunluk = static_cast<long>(1.3 * süre * double{birim_.Sin});
    long sonrakiler = saz_.başlangıç == 1 ? 1500 : 11;
    for (int k = 0; k < süre; k += tremoloAralığı) {
        long başlangıç = k == 0 ? saz_.başlangıç : sonrakiler;
        yarıyaKat(tampon_, birim_.başlangıç(u_ + k), okumaYeri(akortluNota, başlangıç), uzunluk);
    }
}

}  // namespace selvika
