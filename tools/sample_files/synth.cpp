#include "tools/sample_files/synth.h"

#include <fluidsynth.h>

#include <array>
#include <cmath>
#include <vector>

#include "audio/sample_rate.h"

namespace selvika {

namespace {

constexpr int akortYeri = 0;  // bank and program number of the one key tuning

double sent(double frekans) { return 6900 + 1200 * std::log2(frekans / 440); }

}  // namespace

int enYakınTuş(double frekans) { return static_cast<int>(std::lround(sent(frekans) / 100)); }

Sentezci::Sentezci(const std::filesystem::path& soundFont) : ayarlar_(new_fluid_settings()), synth_(nullptr) {
    fluid_settings_setnum(ayarlar_, "synth.sample-rate", örneklemeHızı);
    fluid_settings_setint(ayarlar_, "synth.reverb.active", 0);
    fluid_settings_setint(ayarlar_, "synth.chorus.active", 0);
    // Only the samples of the selected programs are read from the file.
    fluid_settings_setint(ayarlar_, "synth.dynamic-sample-loading", 1);
    synth_ = new_fluid_synth(ayarlar_);
    soundFont_ = synth_ ? fluid_synth_sfload(synth_, soundFont.c_str(), 0) : FLUID_FAILED;
    if (soundFont_ == FLUID_FAILED) {
        if (synth_) delete_fluid_synth(synth_);
        delete_fluid_settings(ayarlar_);
        throw SentezHatası(soundFont.string() + ": the SoundFont cannot be loaded");
    }
    std::array<double, 128> eşit;
    for (int t = 0; t < 128; ++t) eşit[static_cast<std::size_t>(t)] = 100.0 * t;
    fluid_synth_activate_key_tuning(synth_, akortYeri, akortYeri, "selvika", eşit.data(), 0);
    fluid_synth_activate_tuning(synth_, 0, akortYeri, akortYeri, 0);
}

Sentezci::~Sentezci() {
    delete_fluid_synth(synth_);
    delete_fluid_settings(ayarlar_);
}

void Sentezci::sesSeç(int kanal, int bank, int program) {
    if (fluid_synth_program_select(synth_, kanal, static_cast<unsigned>(soundFont_), static_cast<unsigned>(bank),
                                   static_cast<unsigned>(program)) == FLUID_FAILED)
        throw SentezHatası("no program " + std::to_string(program) + " in bank " + std::to_string(bank));
}

void Sentezci::tuşuAkortla(int tuş, double frekans) {
    double hedef = sent(frekans);
    fluid_synth_tune_notes(synth_, akortYeri, akortYeri, 1, &tuş, &hedef, 0);
}

void Sentezci::bas(int kanal, int tuş, int hız) { fluid_synth_noteon(synth_, kanal, tuş, hız); }

void Sentezci::bırak(int kanal, int tuş) { fluid_synth_noteoff(synth_, kanal, tuş); }

void Sentezci::sustur() {
    for (int kanal = 0; kanal < 16; ++kanal) fluid_synth_all_sounds_off(synth_, kanal);
}

void Sentezci::çal(std::span<float> mono) {
    std::vector<float> sağ(mono.size());
    fluid_synth_write_float(synth_, static_cast<int>(mono.size()), mono.data(), 0, 1, sağ.data(), 0, 1);
}

}  // namespace selvika
