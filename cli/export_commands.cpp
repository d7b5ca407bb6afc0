// mp3, midi: a rendering as an MP3 file, the chosen passages as a standard
// MIDI file.

#include <algorithm>
#include <iostream>

#include "audio/midi_file.h"
#include "audio/mp3_export.h"
#include "cli/command.h"
#include "cli/options.h"
#include "cli/passage_choice.h"
#include "cli/terminal.h"

namespace selvika::cli {
namespace {

constexpr std::string_view mp3Argümanları = "WAV MP3 [--bitrate K]";
constexpr std::string_view midiArgümanları = "EVD MID [--passages N,M,...]";
constexpr int varsayılanBitHızı = 128;

// "32, 40, … ya da 320": the bit rates the encoder offers.
std::string bitHızlarıMetni(const std::vector<int>& hızlar) {
    std::string metin;
    for (std::size_t i = 0; i < hızlar.size(); ++i)
        metin += (i == 0 ? "" : i + 1 == hızlar.size() ? " ya da " : ", ") + std::to_string(hızlar[i]);
    return metin;
}

int mp3(std::span<const std::string> a) {
    std::string wav, hedef;
    int bitHızı = varsayılanBitHızı;
    const std::vector<int> hızlar = mp3BitHızları();
    CLI::App uygulama;
    uygulama.add_option("WAV", wav)->required();
    uygulama.add_option("MP3", hedef)->required();
    uygulama.add_option("--bitrate", bitHızı)
        ->type_name("K")
        ->check(doğrulayıcı(
            [&](const std::string& s) {
                return std::any_of(hızlar.begin(), hızlar.end(), [&](int h) { return std::to_string(h) == s; });
            },
            "kbit/s olarak " + bitHızlarıMetni(hızlar)));
    if (!seçenekleriOku(uygulama, a, "mp3 " + std::string(mp3Argümanları))) return yanlışKullanım;
    Terminal terminal(std::cerr);
    return mp3Yaz(wav, hedef, bitHızı, terminal) ? başarılı : reddedildi;
}

int midi(std::span<const std::string> a) {
    std::string eser, hedef;
    std::vector<int> pasajlar;
    CLI::App uygulama;
    uygulama.add_option("EVD", eser)->required();
    uygulama.add_option("MID", hedef)->required();
    pasajSeçeneği(uygulama, pasajlar);
    if (!seçenekleriOku(uygulama, a, "midi " + std::string(midiArgümanları))) return yanlışKullanım;
    Terminal terminal(std::cerr);
    return pasajlarla(eser, pasajlar, terminal, [&](EserBaşlık& b, Notalar& n, std::span<const int> seçili) {
        return midiDosyasıYaz(b, n, seçili, programKlasörü(), hedef, terminal);
    });
}

constexpr Komut komutlar[] = {
    {"mp3", mp3Argümanları, "seslendirilmiş WAV dosyasını MP3 dosyasına dönüştürür (verilmezse 128 kbit/s)", mp3, 2,
     true},
    {"midi", midiArgümanları, "seçilen pasajları (verilmezse hepsini) standart MIDI dosyasına yazar", midi, 2, true},
};

}  // namespace

std::span<const Komut> aktarımKomutları() { return komutlar; }

}  // namespace selvika::cli
