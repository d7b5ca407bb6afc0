#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "audio/midi_playing.h"

namespace selvika {

// A MIDI output the melody is sent to, one packed message at a time.
class MidiPortu {
public:
    virtual ~MidiPortu() = default;
    virtual void gönder(Long mesaj) = 0;
};

// The outputs a playing can go to, one open at a time; the first in the list
// is the one to open by default.
class MidiAygıtSeçimi {
public:
    virtual ~MidiAygıtSeçimi() = default;
    virtual const std::vector<std::string>& adlar() const = 0;
    // Closes the open device and opens the chosen one: nothing on success,
    // else the system's text of what went wrong.
    virtual std::optional<std::string> aç(int sıra) = 0;
    virtual void kapat() = 0;
    // The open device; nothing when none is open.
    virtual MidiPortu* port() = 0;
};

// The sound list of the MIDI window and the General MIDI program of each.
struct MidiSesAdı {
    std::string_view ad;
    int program;
};
inline constexpr std::array<MidiSesAdı, 5> midiSesleri = {
    {{"piyano", 0}, {"akordiyon", 21}, {"keman", 40}, {"flüt", 73}, {"gitar", 25}}};

// Sends the messages of a playing as their times come, so that the window
// stays free between them: the window asks `ilerle` with the milliseconds
// since the start and calls again after the wait it is given back.
class MidiYürütücü {
public:
    MidiYürütücü(MidiPortu& port, std::vector<MidiOlayı> olaylar) : port_(port), olaylar_(std::move(olaylar)) {}

    // Sends everything due by `şimdi`; the milliseconds to the next message,
    // or nothing when all are sent.
    std::optional<long> ilerle(long şimdi);

    // `durdur`: ends the playing at once; a sounding note is released and
    // a bent pitch centred, so nothing hangs on the synthesizer.
    void durdur();

    bool bitti() const { return sıradaki_ == olaylar_.size(); }

private:
    MidiPortu& port_;
    std::vector<MidiOlayı> olaylar_;
    std::size_t sıradaki_ = 0;
    std::optional<Long> çalanNota_;
    bool bükülü_ = false;
};

}  // namespace selvika
