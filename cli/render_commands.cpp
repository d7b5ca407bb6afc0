// render, solfej, bona: the chosen passages of a score, or one of its lines,
// performed into a WAV file.

#include <iostream>
#include <unistd.h>

#include "audio/line_render.h"
#include "audio/performance_render.h"
#include "audio/plan_building.h"
#include "audio/syllable_render.h"
#include "cli/command.h"
#include "cli/options.h"
#include "cli/passage_choice.h"
#include "cli/terminal.h"

namespace selvika::cli {
namespace {

constexpr std::string_view seslendirArgümanları = "EVD WAV [--passages N,M,...] [--line N]";
constexpr std::string_view heceArgümanları = "EVD WAV [--passages N,M,...]";

struct İcraSeçenekleri {
    std::string eser, wav;
    std::vector<int> pasajlar;
    std::optional<int> satır;
};

// What a rendering with instruments works with besides the score.
struct Seslendirme {
    explicit Seslendirme(Etkileşim& etkileşim) : ortam{klasör, depo, çarpanlar, cinsler, etkileşim} {}

    // Runs of the command side by side each keep their own tuned notes.
    AkortluNotaDeposu depo{std::filesystem::temp_directory_path() /
                           ("AkortluData." + std::to_string(getpid()) + ".dat")};
    std::filesystem::path klasör = programKlasörü();
    AkortÇarpanları çarpanlar{klasör};
    CinsKütüphanesi cinsler = varsayılanCinsler();
    İcraOrtamı ortam;
};

int seslendir(std::span<const std::string> a) {
    İcraSeçenekleri s;
    CLI::App uygulama;
    uygulama.add_option("EVD", s.eser)->required();
    uygulama.add_option("WAV", s.wav)->required();
    CLI::Option* pasajlar = pasajSeçeneği(uygulama, s.pasajlar);
    uygulama.add_option("--line", s.satır)->type_name("N")->check(aralık(1, satırSayısı))->excludes(pasajlar);
    if (!seçenekleriOku(uygulama, a, "render " + std::string(seslendirArgümanları))) return yanlışKullanım;

    Terminal terminal(std::cerr);
    if (s.satır) {
        EserPtr eser = eserAç(s.eser);
        açılanEserinPlanı(*eser, terminal);
        Seslendirme r(terminal);
        const auto süre = satırıSeslendir(eser->başlık.satırPasajı, eser->satırlar[*s.satır], *s.satır, s.wav, r.ortam);
        return süre ? başarılı : reddedildi;
    }
    return pasajlarla(s.eser, s.pasajlar, terminal, [&](EserBaşlık& b, Notalar& n, std::span<const int> seçili) {
        Seslendirme r(terminal);
        return seçimiSeslendir(b, n, seçili, s.wav, r.ortam).has_value();
    });
}

// Solfège and bona: recorded syllables in place of the instruments.
int heceKomutu(HeceKipi kip, std::string_view komut, std::span<const std::string> a) {
    İcraSeçenekleri s;
    CLI::App uygulama;
    uygulama.add_option("EVD", s.eser)->required();
    uygulama.add_option("WAV", s.wav)->required();
    pasajSeçeneği(uygulama, s.pasajlar);
    if (!seçenekleriOku(uygulama, a, std::string(komut) + " " + std::string(heceArgümanları))) return yanlışKullanım;
    Terminal terminal(std::cerr);
    return pasajlarla(s.eser, s.pasajlar, terminal, [&](EserBaşlık& b, Notalar& n, std::span<const int> seçili) {
        return heceleriSeslendir(kip, b, n, seçili, programKlasörü(), s.wav, terminal).has_value();
    });
}

int solfej(std::span<const std::string> a) { return heceKomutu(HeceKipi::solfej, "solfej", a); }
int bona(std::span<const std::string> a) { return heceKomutu(HeceKipi::bona, "bona", a); }

constexpr Komut komutlar[] = {
    {"render", seslendirArgümanları,
     "seçilen pasajları (verilmezse hepsini) ya da --line ile bir satırı WAV dosyasına seslendirir", seslendir, 2,
     true},
    {"solfej", heceArgümanları, "seçilen pasajların (verilmezse hepsinin) notalarını solfej heceleriyle seslendirir",
     solfej, 2, true},
    {"bona", heceArgümanları,
     "seçilen pasajların (verilmezse hepsinin) notalarını adları ve arızalarıyla okur (bona)", bona, 2, true},
};

}  // namespace

std::span<const Komut> icraKomutları() { return komutlar; }

}  // namespace selvika::cli
