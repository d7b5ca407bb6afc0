#include "audio/portaudio_output.h"

#include <algorithm>
#include <sndfile.h>

#include "audio/alsa_quiet.h"

namespace selvika {
namespace {

bool başlat() {
    alsaUyarılarınıSustur();
    return Pa_Initialize() == paNoError;
}

}  // namespace

PortAudioÇıkışı::PortAudioÇıkışı() : hazır_(başlat()) {}

PortAudioÇıkışı::~PortAudioÇıkışı() {
    kapat();
    if (hazır_) Pa_Terminate();
}

bool PortAudioÇıkışı::aygıtVar() const { return hazır_ && Pa_GetDefaultOutputDevice() != paNoDevice; }

bool PortAudioÇıkışı::aç(const std::filesystem::path& dosya) {
    kapat();
    if (!aygıtVar()) return false;
    SF_INFO bilgi{};
    SNDFILE* wav = sf_open(dosya.c_str(), SFM_READ, &bilgi);
    if (!wav) return false;
    örnekler_.resize(static_cast<std::size_t>(bilgi.frames * bilgi.channels));
    örnekler_.resize(static_cast<std::size_t>(sf_read_short(wav, örnekler_.data(), static_cast<sf_count_t>(örnekler_.size()))));
    sf_close(wav);
    kanallar_ = bilgi.channels;
    hız_ = bilgi.samplerate;
    kare_ = 0;
    if (Pa_OpenDefaultStream(&akış_, 0, kanallar_, paInt16, hız_, paFramesPerBufferUnspecified, doldur, this) ==
        paNoError)
        return true;
    akış_ = nullptr;
    return false;
}

int PortAudioÇıkışı::doldur(const void*, void* çıktı, unsigned long kareSayısı, const PaStreamCallbackTimeInfo*,
                            PaStreamCallbackFlags, void* kendisi) {
    auto& ç = *static_cast<PortAudioÇıkışı*>(kendisi);
    const std::size_t toplam = ç.örnekler_.size() / static_cast<std::size_t>(ç.kanallar_);
    const std::size_t baş = std::min(ç.kare_.load(), toplam);
    const std::size_t n = std::min<std::size_t>(kareSayısı, toplam - baş);
    auto* hedef = static_cast<short*>(çıktı);
    const auto k = static_cast<std::size_t>(ç.kanallar_);
    std::copy_n(ç.örnekler_.data() + baş * k, n * k, hedef);
    std::fill(hedef + n * k, hedef + kareSayısı * k, short{0});
    ç.kare_ = baş + n;
    return baş + n < toplam ? paContinue : paComplete;
}

void PortAudioÇıkışı::çal(long başlangıçMs) {
    if (!akış_) return;
    Pa_AbortStream(akış_);
    kare_ = static_cast<std::size_t>(std::max(0L, başlangıçMs)) * static_cast<std::size_t>(hız_) / 1000;
    Pa_StartStream(akış_);
}

long PortAudioÇıkışı::konum() const { return static_cast<long>(kare_.load() * 1000 / static_cast<std::size_t>(hız_)); }

void PortAudioÇıkışı::duraklat() {
    if (akış_) Pa_AbortStream(akış_);
}

void PortAudioÇıkışı::sürdür() {
    if (akış_) Pa_StartStream(akış_);
}

void PortAudioÇıkışı::kapat() {
    if (!akış_) return;
    Pa_AbortStream(akış_);
    Pa_CloseStream(akış_);
    akış_ = nullptr;
}

}  // namespace selvika
