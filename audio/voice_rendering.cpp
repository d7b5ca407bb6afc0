#include "audio/voice_rendering.h"

#include <algorithm>
#include <cmath>

namespace selvika {
namespace {

// A tremolo strikes the note again every this many units; each stroke rings
// this many times the note's length.
constexpr int tremoloAralığı = 8;
constexpr double tremoloUzunluğu = 1.3;
// The release fades a note by this factor.
constexpr double sönüm = 32000;

// Where the tremolo strokes after the first begin in the recording.
long sonrakiVuruşBaşı(SazSabitleri saz) { return saz.başlangıç == 1 ? 1500 : 11; }

}  // namespace

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
    long t = tempo_.notaBaşı(u_);
    double uzunluk = süre * double{tempo_.giriş};
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
    auto uzunluk = static_cast<long>(tremoloUzunluğu * süre * double{tempo_.giriş});
    long sonrakiler = sonrakiVuruşBaşı(saz_);
    for (int k = 0; k < süre; k += tremoloAralığı) {
        long başlangıç = k == 0 ? saz_.başlangıç : sonrakiler;
        yarıyaKat(tampon_, tempo_.notaBaşı(u_ + k), okumaYeri(akortluNota, başlangıç), uzunluk);
    }
}

}  // namespace selvika
