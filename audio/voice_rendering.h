#pragma once

#include <span>
#include <string_view>

#include "audio/mixing.h"
#include "core/widths.h"

namespace selvika {

// How an instrument's tuned notes are played: where reading starts in the
// recording (1-based, past its attack noise for the bowed ones), how many
// times its written length a note rings, and whether it plays tremolo.
struct SazSabitleri {
    long başlangıç = 1;
    int uzunlukÇarpanı = 2;
    bool tremolo = false;
};

SazSabitleri sazSabitleri(std::string_view sazKodu);

// Writes the notes of one voice into its passage buffer one after another,
// each by halves over what rings there already.
class SesYazıcı {
public:
    SesYazıcı(std::span<Integer> tampon, BirimUzunlukları birim, SazSabitleri saz)
        : tampon_(tampon), birim_(birim), saz_(saz) {}

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
    BirimUzunlukları birim_;
    SazSabitleri saz_;
    long u_ = 0;
};

}  // namespace selvika
