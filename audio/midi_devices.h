#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "audio/midi_output.h"

namespace selvika {

inline constexpr std::string_view içSentezleyiciAdı = "Selvika iç sentezleyicisi (General MIDI)";

// The outputs the MIDI window offers: the system's MIDI ports, then the
// built-in synthesizer that sounds through the audio output, so that a
// musician without a synthesizer hears the melody too.
class MidiAygıtları {
public:
    MidiAygıtları();
    ~MidiAygıtları();

    // The first is the one to open by default: the first system port, or the
    // built-in synthesizer when there is none.
    const std::vector<std::string>& adlar() const { return adlar_; }

    // Closes the open device and opens the chosen one: nothing on success,
    // else the system's text of what went wrong.
    std::optional<std::string> aç(int sıra);
    void kapat();
    // The open device; nothing before a successful `aç`.
    MidiPortu* port() { return port_.get(); }

private:
    std::vector<std::string> adlar_;
    int sistemPortları_ = 0;
    std::unique_ptr<MidiPortu> port_;
};

}  // namespace selvika
