#pragma once

#include <optional>
#include <vector>

#include "core/header.h"
#include "core/line.h"
#include "interchange/import_report.h"
#include "interchange/symbtr_measures.h"

namespace selvika {

// One thing a line shows: a note or rest, or the bar line that ends a
// full measure (no note).
struct Simge {
    const AlınanÖlçü* ölçü;
    const AlınanNota* nota;
};

// The elements of one score line; an open line ends inside a measure that
// the next line goes on with.
struct SatırPlanı {
    std::vector<Simge> simgeler;
    bool açık = false;
};

// Lines of whole measures that fit the editor's elements, the verse row and
// the expression slots beside the `başlangıç` elements every line starts
// with. A new usul starts a line. A line is cut inside a measure only where
// whole measures do not fit, never inside a tie or a triplet.
std::vector<SatırPlanı> satırlaraBöl(const std::vector<AlınanÖlçü>& ölçüler, int başlangıç);

// The line as the editor would hold it: the key signature (when the makam
// has one) and the usul numeral, the notes with the accidentals their
// pitches need, bar lines, beams within beats, triplets, ties, syllables and
// section labels; then its sound data as storing computes them.
Satır satırKur(const SatırPlanı& plan, std::optional<Byte> donanım, const EserBaşlık& başlık, İçeAlmaRaporu& rapor);

}  // namespace selvika
