#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "audio/flat_notes.h"
#include "core/header.h"

namespace selvika {

inline constexpr std::string_view seçilmişPasajYok = "seçilmiş pasaj bulunamadı";

// A MIDI message as it is sent: status + data1 × 256 + data2 × 65536.
Long midiMesajı(int durum, int veri1, int veri2);
Long notaAç(int kanal, int nota);  // velocity 127
Long notaKapat(int kanal, int nota);  // note on with velocity 0
Long perdeBük(int kanal, int değer);  // 14-bit, 8192 centred
Long programDeğiştir(int kanal, int program);

// One message at its time in milliseconds from the start of the playing.
struct MidiOlayı {
    long zaman = 0;
    Long mesaj = 0;
    constexpr bool operator==(const MidiOlayı&) const = default;
};

// The length of one unit in milliseconds at a steady metronome; a passage
// whose tempo changes keeps the one before it (20 at the start).
inline constexpr int ilkBirimMilisaniyesi = 20;
int birimMilisaniyesi(const Pasaj& p, int öncekiMilisaniye);

// `yürüt11`: the melody of the passages `seçili`, in their order, as it goes
// to the MIDI output on channel 0 — each note at the tempered note nearest
// its koma position plus the soloist's göçürüm, bent to the koma and the bend
// centred again after it. Notes past the tables are left out.
std::vector<MidiOlayı> midiOlayları(const EserBaşlık& başlık, const Notalar& notalar, std::span<const int> seçili);

}  // namespace selvika
