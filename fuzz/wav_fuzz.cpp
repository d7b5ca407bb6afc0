// A WAV file offered for MP3 export, read through libsndfile.

#include <cmath>

#include "audio/mp3_export.h"
#include "audio/wav_file.h"
#include "core/silent_interaction.h"
#include "fuzz/harness.h"

namespace selvika::fuzz {

std::vector<Baytlar> tohumlar() {
    std::vector<Integer> ton(4410);
    for (std::size_t i = 0; i < ton.size(); ++i)
        ton[i] = static_cast<Integer>(8000 * std::sin(2 * M_PI * 440 * static_cast<double>(i) / 44100));
    const auto yol = dosyaOlarak("eser.wav", {});
    WavÇıktısı çıktı(yol);
    çıktı.ekle(ton);
    SessizEtkileşim sessiz;
    çıktı.bitir(sessiz);
    return {dosyaBaytları(yol)};
}

}  // namespace selvika::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* veri, std::size_t boy) {
    using namespace selvika;
    const auto wav = fuzz::dosyaOlarak("eser.wav", {veri, boy});
    SessizEtkileşim sessiz;
    DurdurmaBayrağı durdurma;
    mp3Yaz(wav, wav.parent_path() / "eser.mp3", 128, sessiz, [](int) {}, durdurma);
    return 0;
}
