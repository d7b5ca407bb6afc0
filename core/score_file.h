#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/reading_report.h"
#include "core/score.h"

namespace selvika {

inline constexpr std::size_t başlıkSonu = 2 + 14489;       // version and header
inline constexpr std::size_t elemanBölümü = 21925;        // after the line index

inline constexpr const char* eserDeğil =
    "açmak istediğiniz dosya bir eser dosyası değil: başı ve satır dizini bir eserinkine benzemiyor.";

// A file that cannot be a score at all: its version or its line index is
// one no score has.
class EserDeğilHatası : public DosyaHatası {
public:
    EserDeğilHatası();
};

// A file written by a newer version of the program; nothing of it is used.
class YeniSürümHatası : public DosyaHatası {
public:
    explicit YeniSürümHatası(Integer sürüm);
    Integer sürüm;
};

// The score as a score file. Saving trims each lyric line and stores the
// trimmed text back into the line, and brings the line index up to date.
std::vector<std::uint8_t> eserDosyası(Eser& eser);

// Saves so that the previous file survives any failure; throws DosyaHatası.
void eserKaydet(Eser& eser, const std::filesystem::path& yol);

struct AçılanEser {
    EserPtr eser;
    OkumaRaporu rapor;  // what the file could not give
};

// Rebuilds a score from a file's bytes, as far as they go. Throws
// EserDeğilHatası for a file that is no score, YeniSürümHatası for a newer
// version.
AçılanEser eserÇöz(std::span<const std::uint8_t> dosya);

// Reads and rebuilds the score at `yol`; throws DosyaHatası.
AçılanEser eserOku(const std::filesystem::path& yol);

}  // namespace selvika
