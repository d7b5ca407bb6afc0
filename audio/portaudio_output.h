#pragma once

#include <atomic>
#include <string>
#include <portaudio.h>
#include <vector>

#include "audio/playback.h"

namespace selvika {

// The rendered WAV file played on the system's default audio output through
// PortAudio. The whole file is read into memory; the output pulls it from a
// moving position that also gives the playing position.
class PortAudioÇıkışı : public SesÇıkışı {
public:
    PortAudioÇıkışı();
    ~PortAudioÇıkışı() override;
    PortAudioÇıkışı(const PortAudioÇıkışı&) = delete;
    PortAudioÇıkışı& operator=(const PortAudioÇıkışı&) = delete;

    bool aygıtVar() const override;

    bool aç(const std::filesystem::path& dosya) override;
    void çal(long başlangıçMs) override;
    long konum() const override;
    void duraklat() override;
    void sürdür() override;
    void kapat() override;

private:
    static int doldur(const void*, void* çıktı, unsigned long kareSayısı, const PaStreamCallbackTimeInfo*,
                      PaStreamCallbackFlags, void* kendisi);

    bool hazır_ = false;
    PaStream* akış_ = nullptr;
    std::vector<short> örnekler_;
    int kanallar_ = 1;
    int hız_ = 44100;
    std::atomic<std::size_t> kare_ = 0;
};

}  // namespace selvika
