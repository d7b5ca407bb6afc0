#pragma once

#include <vector>

#include "audio/instruments.h"
#include "audio/gm_table.h"
#include "tools/sample_files/synth.h"

namespace selvika {

// The stretch of a block, from its start, where its note sounds steady:
// past the attack and before the release; for a tremolo, within the first
// stroke, as the strokes' steady beat would split its frequency peaks.
struct KararlıBölüm {
    long baş = 0;
    long son = 0;
};
KararlıBölüm kararlıBölüm(const SazSesi& ses);

// The 23 blocks of an instrument's sample file, lowest perde first, each
// the note of its perde tuned to the perde's koma frequency.
std::vector<float> sazKaydı(Sentezci& sentezci, const SazSesi& ses);

// RITIM.pcm: every stroke where the rhythm track looks for it.
std::vector<float> ritimKaydı(Sentezci& sentezci, const std::vector<VuruşSesi>& vuruşlar);

// The recording at 16 bits, its loudest sample brought to a level that
// leaves room for the renderer's mixing.
ÖrnekTamponu onaltıBit(const std::vector<float>& kayıt);

}  // namespace selvika
