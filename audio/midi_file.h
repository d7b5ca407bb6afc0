#pragma once

#include <filesystem>
#include <span>
#include <string_view>

#include "audio/flat_notes.h"
#include "core/header.h"
#include "core/interaction.h"

namespace selvika {

inline constexpr std::string_view midiDosyasıYazılamadı = "MIDI dosyası yazılamadı: ";
inline constexpr std::string_view genelMidiTablolarıOkunamadı = "Genel MIDI tabloları okunamadı: ";

// The passages `seçili`, in their order, as a standard MIDI file (format 1)
// that notation programs open and synthesizers play at the koma pitches:
// one track and channel for every voice of the plan that sounds, its notes
// those of the MIDI window with the voice's göçürüm, bent to the exact
// frequency of each koma position, its General
// MIDI program the one its recordings are made from (the program folder's
// tables), the pitch-bend range set to ±2 semitones at its start; the usul
// strokes on the percussion channel; and the tempo following each
// passage's curve from entry to exit metronome.
bool midiDosyasıYaz(const EserBaşlık& başlık, const Notalar& notalar, std::span<const int> seçili,
                    const std::filesystem::path& klasör, const std::filesystem::path& hedef, Etkileşim& etkileşim);

}  // namespace selvika
