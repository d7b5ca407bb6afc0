#pragma once

#include <fluidsynth.h>

#include <filesystem>
#include <span>
#include <stdexcept>

namespace selvika {

struct SentezHatası : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A FluidSynth synthesizer with one SoundFont, rendering without an audio
// driver, with no reverb or chorus so each recording is the dry sound.
class Sentezci {
public:
    explicit Sentezci(const std::filesystem::path& soundFont);
    ~Sentezci();
    Sentezci(const Sentezci&) = delete;
    Sentezci& operator=(const Sentezci&) = delete;

    void sesSeç(int kanal, int bank, int program);

    // Makes `tuş` of channel 0 sound at exactly `frekans` hertz, whatever
    // its twelve-tone pitch.
    void tuşuAkortla(int tuş, double frekans);

    void bas(int kanal, int tuş, int hız);
    void bırak(int kanal, int tuş);
    // Silences every voice at once, ringing or not.
    void sustur();

    // The next samples of the left side: the two sides of some stereo
    // sounds are tuned apart, and summed they would beat.
    void çal(std::span<float> mono);

private:
    fluid_settings_t* ayarlar_;
    fluid_synth_t* synth_;
    int soundFont_;
};

// The MIDI key nearest to a frequency in twelve-tone equal temperament.
int enYakınTuş(double frekans);

}  // namespace selvika
