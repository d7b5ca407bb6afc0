#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/widths.h"

namespace selvika {

// Instruments are numbered 0..12 after their five-character codes; arrays
// indexed by instrument leave room for 17.
namespace saz {
inline constexpr int sinüs = 0, kanun = 1, ud = 2, tanbur = 3, kemençe = 4, keman = 5, çello = 6,
                     klarnet = 7, kanunTrili = 8, udTrili = 9, tanburTrili = 10, çelloPizzicato = 11,
                     bağlama = 12;
inline constexpr int son = 12;
inline constexpr int yuva = 16;
inline constexpr Byte bilinmeyen = 255;
}  // namespace saz

inline constexpr int kayıtlıPerdeSayısı = 23;  // the perdes a sample file holds

// How an instrument's tuned notes are played: where reading starts in the
// recording (1-based, past its attack noise for the bowed ones), how many
// times its written length a note rings, and whether it plays tremolo.
struct SazSabitleri {
    long başlangıç = 1;
    int uzunlukÇarpanı = 2;
    bool tremolo = false;
};

// The number of an instrument code, 255 for any other text.
Byte sazNumarası(std::string_view kod);

std::string_view sazKodu(int numara);

// The samples of one perde's block in the instrument's sample file.
long blokUzunluğu(int numara);

// The playing constants of an instrument code; those of a plucked
// instrument for any other text.
SazSabitleri sazSabitleri(std::string_view kod);

// One block of samples in memory, the tuned note made from it.
using ÖrnekTamponu = std::vector<Integer>;

// Up to `sayı` 16-bit little-endian samples from the stream, fewer at its
// end; and the same written.
ÖrnekTamponu örnekOku(std::istream& akış, std::size_t sayı);
void örnekYaz(std::ostream& akış, std::span<const Integer> örnekler);

// The instrument's sample file in the program folder: "<code>.pcm".
std::filesystem::path örnekDosyası(const std::filesystem::path& klasör, int numara);

// The block of perde index b (1..23, lowest perde first in the file) as
// its length plus one samples: the last is the next block's first, or 0
// past the end of the file. Nothing when the file cannot be read.
std::optional<ÖrnekTamponu> blokOku(const std::filesystem::path& klasör, int numara, int b);

}  // namespace selvika
