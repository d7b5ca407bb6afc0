#pragma once

#include "audio/instruments.h"
#include "tools/syllable_recordings/speech.h"

namespace selvika {

// Solfège sings one more staff position than there are perdes: 30, a
// whole tone below K.K.Dügah.
inline constexpr int solfejKonumSayısı = 30;

// The natural pitch in hertz of staff position p (1..30); position 30,
// below the frequency table, an octave under position 23.
double solfejFrekansı(int perdeKonumu);

// The whole content of SOLFEJ.pcm and BONA.pcm: every recording at the
// place the syllable renderer reads it from, silence between them.
ÖrnekTamponu solfejKayıtları(TürkçeSes& ses);
ÖrnekTamponu bonaKayıtları(TürkçeSes& ses);

}  // namespace selvika
