#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/widths.h"

namespace selvika {

// What a SymbTr file name tells: makam--form--usul--title--composer; the
// makam as written there, the others as words.
struct SymbTrAdı {
    std::string makam, makamAdı, form, usul, eserAdı, besteci;
};

// From the file's name without folder and extension; the title and the
// composer as words ("gul_acarken" becomes "Gul Acarken").
SymbTrAdı symbTrAdı(std::string_view dosyaAdı);

// The key-signature code of the makam list entry that a SymbTr makam name
// means; nothing for a makam the list does not hold.
std::optional<Byte> makamınDonanımı(std::string_view makam);

}  // namespace selvika
