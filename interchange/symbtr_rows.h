#pragma once

#include <istream>
#include <string>
#include <vector>

#include "interchange/import_report.h"

namespace selvika {

// What a SymbTr row's `Kod` says it is.
namespace symbTrKodu {
inline constexpr int süsNotası = 8;
inline constexpr int nota = 9;
inline constexpr int usul = 51;
inline constexpr int cümleSonu = 53;
}  // namespace symbTrKodu

// One row of a SymbTr text: one event of the piece.
struct SymbTrSatırı {
    int sıra = 0;
    int kod = 0;
    std::string notaAE;  // letter, octave and accidental in the Arel-Ezgi-Uzdilek system; "Es" for a rest
    int komaAE = 0;      // the pitch in koma, upward; -1 for a rest
    int pay = 0;
    int payda = 0;
    std::string söz;    // the syllable of the first verse row
    double offset = 0;  // where the event ends, in measures of the usul from the start
};

// The rows of a tab-separated SymbTr text, columns found by their header
// names. A row that cannot be read is reported with its Sira and left out.
std::vector<SymbTrSatırı> symbTrSatırlarınıOku(std::istream& girdi, İçeAlmaRaporu& rapor);

}  // namespace selvika
