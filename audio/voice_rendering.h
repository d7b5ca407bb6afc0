#pragma once

#include <span>
#include <string>
#include <string_view>

#include "audio/instruments.h"
#include "audio/mixing.h"
#include "audio/passage_voices.h"
#include "audio/tempo.h"
#include "core/passage.h"
#include "core/widths.h"

namespace selvika {

// Writes the notes of one voice into its passage buffer one after another,
// each by halves over what rings there already.
class SesYazıcı {
public:
    SesYazıcı(std::span<Integer> tampon, const Tempo& tempo, SazSabitleri saz)
        : tampon_(tampon), tempo_(tempo), saz_(saz) {}

    // A rest: time goes on.
    void sus(int süre) { u_ += süre; }
    // A note of `süre` units from its tuned recording.
    void nota(std::span<const Integer> akortluNota, int süre, bool tremolo);

    // Units elapsed.
    long birim() const { return u_; }

private:
    void tekVuruş(std::span<const Integer> akortluNota, int süre);
    void tremoloVuruşları(std::span<const Integer> akortluNota, int süre);
    std::span<const Integer> okumaYeri(std::span<const Integer> akortluNota, long başlangıç) const;

    std::span<Integer> tampon_;
    Tempo tempo_;
    SazSabitleri saz_;
    long u_ = 0;
};

// Plays a passage's records into one voice: only those of channel 0 or of the
// voice's channel, a record without pitch as a rest. `akortluNota(kayıt)`
// fetches a note's tuned recording; when it cannot, the voice ends there and
// the answer is false. A record has `süre`, `kanal`, `tremolo` and `sesli()`,
// as the flat note table keeps them.
template <class Kayıtlar, class AkortluNota>
bool sesiÇal(SesYazıcı& yazıcı, const Kayıtlar& kayıtlar, Byte sesKanalı, AkortluNota&& akortluNota) {
    for (const auto& kayıt : kayıtlar) {
        if (!duyar(sesKanalı, kayıt.kanal)) continue;
        if (!kayıt.sesli()) {
            yazıcı.sus(kayıt.süre);
            continue;
        }
        auto nota = akortluNota(kayıt);
        if (!nota) return false;
        yazıcı.nota(*nota, kayıt.süre, kayıt.tremolo);
    }
    return true;
}

// The voices of a passage: every voice (0 the soloist, 1..3 the
// accompaniments) whose instrument is not SZYOK plays the records of its
// channel into a buffer of the passage's length. `akortluNota(ses, kayıt)`
// fetches a note's tuned recording for a voice.
template <class Kayıtlar, class AkortluNota>
PasajSesleri pasajSesleri(const Pasaj& pasaj, const Kayıtlar& kayıtlar, const Tempo& tempo,
                          AkortluNota&& akortluNota) {
    PasajSesleri sesler;
    for (int ses = 0; ses < static_cast<int>(sesler.size()); ++ses) {
        if (!sesÇalar(pasaj, ses)) continue;
        auto& tampon = sesler[static_cast<std::size_t>(ses)].emplace(static_cast<std::size_t>(tempo.uzunluk()), 0);
        SesYazıcı yazıcı(tampon, tempo, sazSabitleri(sesSazı(pasaj, ses).trimmed()));
        sesiÇal(yazıcı, kayıtlar, sesKanalı(pasaj, ses), [&](const auto& kayıt) { return akortluNota(ses, kayıt); });
    }
    return sesler;
}

}  // namespace selvika
