#pragma once

#include <filesystem>
#include <string>

#include "core/score.h"

namespace selvika {

// The score as one MusicXML 4.0 part: measures from the bar lines, the usul
// as the time signature, the makam's key signature as a key of its own
// steps, koma accidentals with their SMuFL glyphs, beams, triplets, slurs,
// ties, the verse rows as lyrics, title and composer.
std::string musicXmlMetni(const Eser& eser);

// The same into a file; throws DosyaHatası when it cannot be written.
void musicXmlKaydet(const Eser& eser, const std::filesystem::path& yol);

}  // namespace selvika
