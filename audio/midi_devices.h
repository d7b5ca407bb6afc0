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
class MidiAygıtları : public MidiAygıtSeçimi {
public:
    MidiAygıtları();
    ~MidiAygıtları() override;

    const std::vector<std::string>& adlar() const override { return adlar_; }
    std::optional<std::string> aç(int sıra) override;
    void kapat() override;
    MidiPortu* port() override { return port_.get(); }

private:
    std::vector<std::string> adlar_;
    int sistemPortları_ = 0;
    std::unique_ptr<MidiPortu> port_;
};

}  // namespace selvika
