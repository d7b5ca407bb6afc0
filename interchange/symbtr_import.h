#pragma once

#include <filesystem>
#include <istream>
#include <string_view>

#include "core/score.h"
#include "interchange/import_report.h"

namespace selvika {

// A SymbTr piece as a score: makam, form, usul, title and composer from the
// file's name (makam--form--usul--title--composer), the notes from its rows.
İçeAlma symbTrAl(std::istream& girdi, std::string_view dosyaAdı);

// The same from a file; throws DosyaHatası when it cannot be read.
İçeAlma symbTrAl(const std::filesystem::path& yol);

}  // namespace selvika
