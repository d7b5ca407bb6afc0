#pragma once

#include <filesystem>

#include "core/preferences.h"

namespace selvika {

inline constexpr const char* tercihDosyası = "Tercih.dat";

// The preferences of `Tercih.dat` in `klasör`, or the defaults when there is
// no such file or it is too short to hold them.
TercihKaydı tercihleriOku(const std::filesystem::path& klasör);

// Writes the 256 bytes; throws DosyaHatası.
void tercihleriYaz(const std::filesystem::path& klasör, const TercihKaydı& tercihler);

}  // namespace selvika
