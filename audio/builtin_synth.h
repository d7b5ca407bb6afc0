#pragma once

#include <memory>
#include <optional>
#include <string>

#include "audio/midi_output.h"

namespace selvika {

// FluidSynth with the General MIDI SoundFont playing on the audio output.
class İçSentezleyici : public MidiPortu {
public:
    // Nothing and the reason when the SoundFont or the audio output is missing.
    static std::unique_ptr<İçSentezleyici> aç(std::string& hata);
    ~İçSentezleyici() override;

    void gönder(Long mesaj) override;

private:
    struct Fluid;
    explicit İçSentezleyici(std::unique_ptr<Fluid> f);
    std::unique_ptr<Fluid> f_;
};

}  // namespace selvika
