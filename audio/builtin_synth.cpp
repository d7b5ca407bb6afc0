#include "audio/builtin_synth.h"

#include <fluidsynth.h>

#include "audio/playback.h"

namespace selvika {
namespace {

// The General MIDI SoundFont the instrument recordings are made from.
constexpr const char* genelMidiSesBankası = SELVIKA_SOUNDFONT;

}  // namespace

struct İçSentezleyici::Fluid {
    fluid_settings_t* ayarlar = new_fluid_settings();
    fluid_synth_t* sentez = nullptr;
    fluid_audio_driver_t* sürücü = nullptr;

    ~Fluid() {
        if (sürücü) delete_fluid_audio_driver(sürücü);
        if (sentez) delete_fluid_synth(sentez);
        delete_fluid_settings(ayarlar);
    }
};

std::unique_ptr<İçSentezleyici> İçSentezleyici::aç(std::string& hata) {
    auto f = std::make_unique<Fluid>();
    // FluidSynth reports through its own log; the user hears of it in the program's words.
    for (int düzey = FLUID_PANIC; düzey < LAST_LOG_LEVEL; ++düzey) fluid_set_log_function(düzey, nullptr, nullptr);
    f->sentez = new_fluid_synth(f->ayarlar);
    if (!f->sentez || fluid_synth_sfload(f->sentez, genelMidiSesBankası, 1) == FLUID_FAILED) {
        hata = "Ses bankası açılamadı: " + std::string(genelMidiSesBankası);
        return nullptr;
    }
    f->sürücü = new_fluid_audio_driver(f->ayarlar, f->sentez);
    if (!f->sürücü) {
        hata = std::string(sesAygıtıYok);
        return nullptr;
    }
    return std::unique_ptr<İçSentezleyici>(new İçSentezleyici(std::move(f)));
}

İçSentezleyici::İçSentezleyici(std::unique_ptr<Fluid> f) : f_(std::move(f)) {}
İçSentezleyici::~İçSentezleyici() = default;

void İçSentezleyici::gönder(Long mesaj) {
    const int durum = mesaj & 0xFF, kanal = durum & 0x0F, v1 = (mesaj >> 8) & 0x7F, v2 = (mesaj >> 16) & 0x7F;
    switch (durum & 0xF0) {
        case 0x90:
            if (v2) fluid_synth_noteon(f_->sentez, kanal, v1, v2);
            else fluid_synth_noteoff(f_->sentez, kanal, v1);
            break;
        case 0x80: fluid_synth_noteoff(f_->sentez, kanal, v1); break;
        case 0xB0: fluid_synth_cc(f_->sentez, kanal, v1, v2); break;
        case 0xC0: fluid_synth_program_change(f_->sentez, kanal, v1); break;
        case 0xE0: fluid_synth_pitch_bend(f_->sentez, kanal, v1 + v2 * 128); break;
        default: break;
    }
}

}  // namespace selvika
