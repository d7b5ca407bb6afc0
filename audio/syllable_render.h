#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

#include "audio/flat_notes.h"
#include "core/header.h"
#include "core/interaction.h"

namespace selvika {

// Solfège sings each note's staff position, bona speaks its name and its
// accidental; both place recorded syllables instead of instruments.
enum class HeceKipi { solfej, bona };

inline constexpr std::string_view solfejDosyasıYok = "SOLFEJ  dosyası bulunamadı. Solfej yapılamaz.";
inline constexpr std::string_view bonaDosyasıYok = "BONA  dosyası bulunamadı. BONA yapılamaz.";

std::filesystem::path heceDosyası(const std::filesystem::path& klasör, HeceKipi kip);  // SOLFEJ.pcm, BONA.pcm

// Where the syllable recordings lie in their files, in samples: a staff
// position's solfège recording, a note name (1..7), the words of positive and
// negative accidentals, a koma count (1..14) and accidental code 15.
struct HeceYeri {
    long başlangıç = 0;
    long uzunluk = 0;
};
HeceYeri solfejHecesi(int perdeKonumu);
HeceYeri notaAdı(int ad);
HeceYeri artıArızaSözü();
HeceYeri eksiArızaSözü();
HeceYeri komaSayısıSözü(int koma);
HeceYeri onBeşSözü();

// The name a staff position (1..29) is spoken by: 1, 8, 15, 22, 29 the first.
constexpr int notaAdıNumarası(int perdeKonumu) { return (perdeKonumu - 1) % 7 + 1; }

// `But_SolfejKaydet_Click` and `But_BonaKaydet_Click`: the notes of the
// passages `seçili`, in their order, as syllables from the program folder's
// recording into the WAV file `çıktı`, each snippet overwriting the tail of
// the one before. The length of the output in milliseconds, or nothing.
std::optional<double> heceleriSeslendir(HeceKipi kip, const EserBaşlık& başlık, const Notalar& notalar,
                                        std::span<const int> seçili, const std::filesystem::path& klasör,
                                        const std::filesystem::path& çıktı, Etkileşim& etkileşim);

}  // namespace selvika
