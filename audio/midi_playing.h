#pragma once

#include <optional>
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

// The notes of one voice of a passage as MIDI messages on `kanal`, each at
// its unit (1/128 of a whole note) from the passage's start: the tempered
// note nearest the koma position plus `göçürüm`, bent to the koma and the
// bend centred again after it. Notes past the tables take their time in
// silence, positions above the score's pitches none. With `sesKanalı`, only
// the records that voice hears are played, as its rendering does.
struct BirimliMesaj {
    long birim = 0;
    Long mesaj = 0;
    constexpr bool operator==(const BirimliMesaj&) const = default;
};
struct SesMesajları {
    std::vector<BirimliMesaj> mesajlar;
    long birimSayısı = 0;
};
// Bent by the koma table's steps as the MIDI window plays, or to the exact
// frequency of each koma position.
enum class Bükme { tablodan, kesin };
SesMesajları sesMesajları(const Pasaj& p, const Notalar& notalar, int göçürüm, int kanal,
                          std::optional<Byte> sesKanalı = std::nullopt, Bükme bükme = Bükme::tablodan);

// The length of one unit in milliseconds at a steady metronome; a passage
// whose tempo changes keeps the one before it (20 at the start).
inline constexpr int ilkBirimMilisaniyesi = 20;
int birimMilisaniyesi(const Pasaj& p, int öncekiMilisaniye);

// `yürüt11`: the melody of the passages `seçili`, in their order, as it goes
// to the MIDI output: every record, with the soloist's göçürüm, on channel 0.
std::vector<MidiOlayı> midiOlayları(const EserBaşlık& başlık, const Notalar& notalar, std::span<const int> seçili);

}  // namespace selvika
