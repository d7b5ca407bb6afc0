#pragma once

#include <filesystem>
#include <optional>

#include "core/interaction.h"
#include "core/score.h"

namespace selvika {

inline constexpr const char* musicXmlSüzgeci = "MusicXML dosyaları|*.musicxml;*.xml||";
inline constexpr const char* musicXmlUzantısı = "musicxml";
inline constexpr const char* musicXmlAlmaBaşlığı = "MusicXML'den al";
inline constexpr const char* musicXmlVermeBaşlığı = "MusicXML olarak ver";

// "Dosya" → "MusicXML'den al…": asks for a MusicXML file (starting in
// `klasör`) and for the score file to write it to, writes the score and
// tells what it could not carry over. The new score's path, for the caller
// to open; nothing after a cancel or a failure, which is told.
std::optional<std::filesystem::path> musicXmldenAl(const std::filesystem::path& klasör, Etkileşim& etkileşim);

// "Dosya" → "MusicXML olarak ver…": asks where, beside the score file
// `eserYolu`, and writes the score there; a failure is told.
void musicXmlOlarakVer(const Eser& eser, const std::filesystem::path& eserYolu, Etkileşim& etkileşim);

}  // namespace selvika
