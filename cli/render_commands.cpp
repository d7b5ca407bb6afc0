// render: the chosen passages of a score, or one of its lines, performed
// into a WAV file.

#include <iostream>
#include <unistd.h>

#include "audio/line_render.h"
#include "audio/passage_marks.h"
#include "audio/performance_render.h"
#include "audio/plan_building.h"
#include "cli/command.h"
#include "cli/options.h"
#include "cli/terminal.h"

namespace selvika::cli {
namespace {

constexpr std::string_view seslendirArgümanları = "EVD WAV [--passages N,M,...] [--line N]";

struct İcraSeçenekleri {
    std::string eser, wav;
    std::vector<int> pasajlar;
    std::optional<int> satır;
};

// The sample files with their tuning presets, RITIM.pcm and usuller.usl lie
// beside the program.
std::filesystem::path programKlasörü() { return std::filesystem::read_symlink("/proc/self/exe").parent_path(); }

// The passages to render, all of them when none was chosen; nothing when
// the score lacks one.
std::optional<std::vector<int>> seçiliPasajlar(std::vector<int> seçili, int sayı) {
    if (seçili.empty())
        for (int n = 1; n <= sayı; ++n) seçili.push_back(n);
    for (int n : seçili)
        if (n > sayı) {
            std::cerr << n << " nolu pasaj yok; eserde " << sayı << " pasaj var\n";
            return std::nullopt;
        }
    return seçili;
}

int seslendir(std::span<const std::string> a) {
    İcraSeçenekleri s;
    CLI::App uygulama;
    uygulama.add_option("EVD", s.eser)->required();
    uygulama.add_option("WAV", s.wav)->required();
    CLI::Option* pasajlar = uygulama.add_option("--passages", s.pasajlar)
                                ->type_name("N,M,...")
                                ->delimiter(',')
                                ->check(aralık(1, enFazlaPasaj));
    uygulama.add_option("--line", s.satır)->type_name("N")->check(aralık(1, satırSayısı))->excludes(pasajlar);
    if (!seçenekleriOku(uygulama, a, "render " + std::string(seslendirArgümanları))) return yanlışKullanım;

    EserPtr eser = eserAç(s.eser);
    Terminal terminal(std::cerr);
    açılanEserinPlanı(*eser, terminal);
    // Runs of the command side by side each keep their own tuned notes.
    AkortluNotaDeposu depo(std::filesystem::temp_directory_path() /
                           ("AkortluData." + std::to_string(getpid()) + ".dat"));
    const std::filesystem::path klasör = programKlasörü();
    const AkortÇarpanları çarpanlar(klasör);
    const CinsKütüphanesi cinsler = varsayılanCinsler();
    İcraOrtamı ortam{klasör, depo, çarpanlar, cinsler, terminal};
    if (s.satır) {
        const auto süre = satırıSeslendir(eser->başlık.satırPasajı, eser->satırlar[*s.satır], *s.satır, s.wav, ortam);
        return süre ? başarılı : reddedildi;
    }
    std::optional<Notalar> notalar = icraPlanıKur(*eser, terminal);
    if (!notalar) return reddedildi;
    auto seçili = seçiliPasajlar(s.pasajlar, eser->başlık.pasajSayısı);
    if (!seçili) return yanlışKullanım;
    return seçimiSeslendir(eser->başlık, *notalar, *seçili, s.wav, ortam) ? başarılı : reddedildi;
}

constexpr Komut komutlar[] = {
    {"render", seslendirArgümanları,
     "seçilen pasajları (verilmezse hepsini) ya da --line ile bir satırı WAV dosyasına seslendirir", seslendir, 2,
     true},
};

}  // namespace

std::span<const Komut> icraKomutları() { return komutlar; }

}  // namespace selvika::cli
