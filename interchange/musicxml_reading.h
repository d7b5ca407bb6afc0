#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "interchange/import_report.h"
#include "interchange/symbtr_measures.h"
#include "pitch/key_signatures.h"

namespace selvika {

// What a note brings beyond what a line plans: its measure, its syllables
// ("-" ending a syllable whose word goes on) and the slurs it starts and
// ends, by MusicXML number.
struct NotaEki {
    std::string ölçü;
    std::array<std::string, 4> heceler;
    std::string etiket;  // a section name or a words direction, set as an expression
    std::vector<int> yayBaşları, yaySonları;
};

// The notes of a part, measure by measure; AlınanNota::sıra counts from 1
// through `ekler`.
struct OkunanBölüm {
    std::vector<AlınanÖlçü> ölçüler;
    std::vector<NotaEki> ekler;
    std::vector<DonanımArızası> donanım;  // the first key's accidentals
};

// Whether two signatures write the same accidentals, in any order.
bool aynıArızalar(std::span<const DonanımArızası> a, std::span<const DonanımArızası> b);

const NotaEki& notaEki(const OkunanBölüm& bölüm, int sıra);

OkunanBölüm bölümüOku(pugi::xml_node bölüm, İçeAlmaRaporu& rapor);

}  // namespace selvika
