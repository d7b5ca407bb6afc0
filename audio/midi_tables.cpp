#include "audio/midi_tables.h"

#include <algorithm>
#include <cmath>

#include "audio/frequencies.h"

namespace selvika {
namespace {

// The natural perdes of one octave from position 0 down, with their MIDI
// notes; each octave lower is 53 komas further and 12 notes below.
constexpr std::array<int, 8> çapaKonumu = {0, 9, 18, 27, 31, 40, 49, 53};
constexpr std::array<int, 8> çapaNotası = {90, 88, 86, 84, 83, 81, 79, 78};

// Note (relative to the upper perde: 0, -1 for the tempered note between,
// or the lower perde's) and bend in komas of each step below the upper perde.
struct Adım {
    bool alttaki;
    int yarımSesAşağı;
    double komaBükme;
};
constexpr std::array<Adım, 9> tamSesAdımları = {{{false, 0, 0},
                                                  {false, 0, -1},
                                                  {false, 0, -2},
                                                  {false, 1, 1.5},
                                                  {false, 1, 0.5},
                                                  {false, 1, -0.5},
                                                  {false, 1, -1.5},
                                                  {true, 0, 2},
                                                  {true, 0, 1}}};
constexpr std::array<Adım, 4> bakiyeAdımları = {{{false, 0, 0}, {false, 0, -1}, {false, 0, -2}, {true, 0, 1}}};

struct Yer {
    int nota;
    double komaBükme;
};

Yer yeri(int k) {
    const int oktav = k / 53, içinde = k % 53;
    int i = 0;
    while (çapaKonumu[static_cast<std::size_t>(i + 1)] <= içinde) ++i;
    const auto ui = static_cast<std::size_t>(i);
    const int aralık = çapaKonumu[ui + 1] - çapaKonumu[ui];
    const Adım& a = aralık == 9 ? tamSesAdımları[static_cast<std::size_t>(içinde - çapaKonumu[ui])]
                                : bakiyeAdımları[static_cast<std::size_t>(içinde - çapaKonumu[ui])];
    const int nota = (a.alttaki ? çapaNotası[ui + 1] : çapaNotası[ui] - a.yarımSesAşağı) - 12 * oktav;
    return {nota, a.komaBükme};
}

// 64/9 steps of a 128-step half range per koma, centred at 8192.
Integer bükmeDeğeri(double komaBükme, int mikroton) {
    return static_cast<Integer>(std::lround(((komaBükme + mikroton / 3.0) * 64.0 / 9.0 + 64.0) * 128.0));
}

}  // namespace

MidiNotaTablosu DrcToMidi() {
    MidiNotaTablosu t{};
    for (int k = 1; k <= sonMidiKomaKonumu; ++k) t[static_cast<std::size_t>(k)] = static_cast<Integer>(yeri(k).nota);
    return t;
}

MidiBükmeTablosu DrcToBender() {
    MidiBükmeTablosu t{};
    for (int k = 1; k <= sonMidiKomaKonumu; ++k)
        for (int s = -1; s <= 1; ++s)
            t[static_cast<std::size_t>(k)][static_cast<std::size_t>(s + 1)] = bükmeDeğeri(yeri(k).komaBükme, s);
    return t;
}

std::optional<MidiSesi> midiSesi(int komaKonumu, int mikroton) {
    static const MidiNotaTablosu notalar = DrcToMidi();
    static const MidiBükmeTablosu bükmeler = DrcToBender();
    if (komaKonumu < 1 || komaKonumu > sonMidiKomaKonumu || mikroton < -1 || mikroton > 1) return std::nullopt;
    const auto k = static_cast<std::size_t>(komaKonumu);
    return MidiSesi{notalar[k], bükmeler[k][static_cast<std::size_t>(mikroton + 1)]};
}

std::optional<MidiSesi> kesinMidiSesi(int komaKonumu, int mikroton) {
    auto ses = midiSesi(komaKonumu, mikroton);
    if (!ses || komaKonumu > enPestKoma) return std::nullopt;
    const double f = double{frekanslar()[static_cast<std::size_t>(komaKonumu)]} * mikrotonÇarpanı(mikroton);
    const double sent = 1200 * std::log2(f / 440.0) - 100 * (ses->nota - 69);
    // ±2 semitones span the 14-bit range: 4096 steps a semitone.
    ses->bükme = static_cast<Integer>(std::clamp(std::lround(bükmeYok + sent * 4096 / 100), 0L, 16383L));
    return ses;
}

}  // namespace selvika
