#pragma once

#include <filesystem>
#include <optional>

#include "core/interaction.h"

namespace selvika {

inline constexpr const char* symbTrSüzgeci = "SymbTr metinleri|*.txt||";
inline constexpr const char* symbTrBaşlığı = "SymbTr'den al";

// "Dosya" → "SymbTr'den al…": asks for a SymbTr text (starting in `klasör`)
// and for the score file to write it to, writes the score and tells what it
// could not carry over. The new score's path, for the caller to open;
// nothing after a cancel or a failure, which is told.
std::optional<std::filesystem::path> symbTrdenAl(const std::filesystem::path& klasör, Etkileşim& etkileşim);

}  // namespace selvika
