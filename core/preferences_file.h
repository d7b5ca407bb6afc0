#pragma once

#include <filesystem>
#include <string>

#include "core/preferences.h"

namespace selvika {

inline constexpr const char* tercihDosyası = "Tercih.dat";

// The preferences of `Tercih.dat` in `klasör`, or the defaults when there is
// no such file or it is too short to hold them. A value out of its range
// takes its default alone; `uyarı` then names them for the user.
TercihKaydı tercihleriOku(const std::filesystem::path& klasör, std::string* uyarı = nullptr);

// Writes the 256 bytes; throws DosyaHatası.
void tercihleriYaz(const std::filesystem::path& klasör, const TercihKaydı& tercihler);

}  // namespace selvika
