#pragma once

#include "audio/flat_notes.h"
#include "audio/sample_rate.h"
#include "core/passage.h"

namespace selvika {

// The samples of one unit (1/128 of a whole note) at metronome `metronom`
// counting unit notes of value `birimNota` (4, 8 or 16); 0 for metronome 0.
Single birimUzunluğu(int metronom, int birimNota);

// A passage's time: its units get longer or shorter by the same step from
// the entry length to the exit length.
struct Tempo {
    Single giriş = 0;  // samples of the first unit
    Single çıkış = 0;  // samples of the last unit
    long birimSayısı = 0;

    Single artış() const;  // from one unit to the next
    long başlangıç(long birim) const;  // the sample at which unit `birim` (from 0) starts
    long notaBaşı(long birim) const { return başlangıç(birim) + 1; }  // the same, counted from 1
    long uzunluk() const;  // the samples of the whole passage
};

// The units a passage plays: those of its records heard in channels 0 and 1.
long pasajBirimSayısı(const Pasaj& p, const Notalar& notalar);

Tempo pasajTemposu(const Pasaj& p, const Notalar& notalar);

// The line-play record keeps one metronome for every unit.
Tempo satırTemposu(const Pasaj& satırPasajı, long birimSayısı);

}  // namespace selvika
