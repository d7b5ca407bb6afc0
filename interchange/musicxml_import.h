#pragma once

#include <filesystem>
#include <string_view>

#include "core/score.h"
#include "interchange/import_report.h"

namespace selvika {

// The first part of a MusicXML score as lines of whole measures: pitches
// from each note's accidental glyph and `<alter>` on the koma grid (SymbTr's
// own spellings included), the key as the makam whose signature it is or
// as the score's own, the time as the usul, beams within beats, triplets,
// ties, slurs, the verses as verse rows, title and composer. What cannot be
// written is told with its measure number.
İçeAlma musicXmlMetniniAl(std::string_view metin);

// The same from a file; throws DosyaHatası when it cannot be read.
İçeAlma musicXmlAl(const std::filesystem::path& yol);

}  // namespace selvika
