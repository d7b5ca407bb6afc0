#include "audio/midi_devices.h"

#include <RtMidi.h>

#include "audio/alsa_quiet.h"
#include "audio/builtin_synth.h"

namespace selvika {
namespace {

// A port of the system's MIDI sequencer.
class SistemPortu : public MidiPortu {
public:
    explicit SistemPortu(std::unique_ptr<RtMidiOut> çıkış) : çıkış_(std::move(çıkış)) {}
    ~SistemPortu() override { çıkış_->closePort(); }

    void gönder(Long mesaj) override {
        const auto durum = static_cast<unsigned char>(mesaj & 0xFF);
        std::vector<unsigned char> baytlar = {durum, static_cast<unsigned char>((mesaj >> 8) & 0x7F)};
        // Program changes carry one data byte, the rest two.
        if ((durum & 0xF0) != 0xC0) baytlar.push_back(static_cast<unsigned char>((mesaj >> 16) & 0x7F));
        çıkış_->sendMessage(&baytlar);
    }

private:
    std::unique_ptr<RtMidiOut> çıkış_;
};

// The sequencer's output; nothing on a system without one.
std::unique_ptr<RtMidiOut> sistemÇıkışı() {
    alsaUyarılarınıSustur();
    try {
        auto çıkış = std::make_unique<RtMidiOut>(RtMidi::UNSPECIFIED, "Selvika");
        çıkış->setErrorCallback([](RtMidiError::Type, const std::string&, void*) {});
        return çıkış;
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

}  // namespace

MidiAygıtları::MidiAygıtları() {
    if (auto çıkış = sistemÇıkışı()) {
        sistemPortları_ = static_cast<int>(çıkış->getPortCount());
        for (int i = 0; i < sistemPortları_; ++i) adlar_.push_back(çıkış->getPortName(static_cast<unsigned>(i)));
    }
    adlar_.emplace_back(içSentezleyiciAdı);
}

MidiAygıtları::~MidiAygıtları() = default;

std::optional<std::string> MidiAygıtları::aç(int sıra) {
    kapat();
    std::string hata;
    if (sıra == sistemPortları_) {
        port_ = İçSentezleyici::aç(hata);
        return port_ ? std::nullopt : std::optional(hata);
    }
    auto çıkış = sistemÇıkışı();
    if (!çıkış) return "MIDI sistemi açılamadı.";
    try {
        çıkış->setErrorCallback(nullptr);
        çıkış->openPort(static_cast<unsigned>(sıra), "Selvika");
    } catch (const RtMidiError& e) {
        return e.getMessage();
    }
    port_ = std::make_unique<SistemPortu>(std::move(çıkış));
    return std::nullopt;
}

void MidiAygıtları::kapat() { port_.reset(); }

}  // namespace selvika
