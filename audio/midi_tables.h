#pragma once

#include <array>
#include <optional>

#include "core/widths.h"

namespace selvika {

// Koma positions 1 to 281 have a MIDI note and, per microtone shift, a
// 14-bit pitch bend that brings the note to the koma on a synthesizer whose
// bend range is ±2 semitones (9 komas).
inline constexpr int sonMidiKomaKonumu = 281;
inline constexpr Integer bükmeYok = 8192;

using MidiNotaTablosu = std::array<Integer, sonMidiKomaKonumu + 1>;
using MidiBükmeTablosu = std::array<std::array<Integer, 3>, sonMidiKomaKonumu + 1>;

// `DrcToMidi` and `DrcToBender`: every position between two natural perdes
// plays the nearest tempered note of the pair's span and bends to the koma.
MidiNotaTablosu DrcToMidi();
MidiBükmeTablosu DrcToBender();

// The note and bend of a koma position with its shift (-1..1); nothing past
// the tables.
struct MidiSesi {
    Integer nota = 0;
    Integer bükme = bükmeYok;
};
std::optional<MidiSesi> midiSesi(int komaKonumu, int mikroton);

// The same note, bent to the exact frequency of the koma position (F[k]
// with its shift) rather than by whole table steps: the table's natural
// perdes sit on tempered notes, a few cents from the 53-koma scale. Nothing
// for positions without a frequency.
std::optional<MidiSesi> kesinMidiSesi(int komaKonumu, int mikroton);

}  // namespace selvika
