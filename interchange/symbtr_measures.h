#pragma once

#include <string>
#include <vector>

#include "core/widths.h"
#include "interchange/import_report.h"
#include "interchange/symbtr_rows.h"

namespace selvika {

// Positions and lengths inside a measure in 384ths of a whole note: the
// 128ths of the score with room for triplets.
inline constexpr int inceBirlik = 384;

// One note or rest as the score will write it: a row of the source, or a
// piece of one that is tied to the next.
struct AlınanNota {
    int sıra = 0;
    Byte tür = 0;        // the degree, or a rest
    Byte sesindeks = 0;  // the koma position the row asks for; 0 for a rest
    Byte süre = 0;
    bool nokta = false;
    Byte triole = 0;    // its place in a triplet, 1..3
    int başlangıç = 0;  // in the measure
    int uzunluk = 0;
    bool bağlı = false;  // tied to the next note
    std::string hece;    // the syllable of the first verse row
    std::string etiket;  // a section label such as "SAZ", set as an expression
};

struct AlınanÖlçü {
    Byte usulNo = 0;
    int uzunluk = 0;        // of a full measure of its usul
    int vuruş = 0;          // the beat within which notes are beamed
    bool usulBaşı = false;  // the first measure of an usul: a line starts here
    std::vector<AlınanNota> notalar;

    int dolu() const { return notalar.empty() ? 0 : notalar.back().başlangıç + notalar.back().uzunluk; }
    bool tam() const { return dolu() == uzunluk; }
};

// The rows cut into measures of their usul: notes split at measure ends and
// into values one note can hold, triplets of three equal rows, syllables and
// labels on the first piece of their row. Rows that cannot be written are
// reported with their Sira and left out.
std::vector<AlınanÖlçü> ölçülereBöl(const std::vector<SymbTrSatırı>& satırlar, İçeAlmaRaporu& rapor);

}  // namespace selvika
