// render: the chosen passages of a score performed into a WAV file.

#include <charconv>
#include <iostream>
#include <unistd.h>

#include "audio/performance_render.h"
#include "audio/plan_building.h"
#include "cli/command.h"
#include "cli/terminal.h"

namespace selvika::cli {
namespace {

// "3,1,2" as passage numbers; nothing when any of them is not a number.
std::optional<std::vector<int>> pasajNumaraları(std::string_view metin) {
    std::vector<int> numaralar;
    while (true) {
        const auto virgül = metin.find(',');
        const std::string_view parça = metin.substr(0, virgül);
        int n = 0;
        auto [son, hata] = std::from_chars(parça.data(), parça.data() + parça.size(), n);
        if (hata != std::errc{} || son != parça.data() + parça.size()) return std::nullopt;
        numaralar.push_back(n);
        if (virgül == std::string_view::npos) return numaralar;
        metin.remove_prefix(virgül + 1);
    }
}

// The sample files with their tuning presets, RITIM.pcm and usuller.usl lie
// beside the program.
std::filesystem::path programKlasörü() { return std::filesystem::read_symlink("/proc/self/exe").parent_path(); }

int seslendir(std::span<const std::string> a) {
    std::optional<std::vector<int>> seçili;
    if (a.size() == 4 && a[2] == "--passages") seçili = pasajNumaraları(a[3]);
    if (a.size() != 2 && !seçili) {
        std::cerr << "kullanım: selvika-cli render EVD WAV [--passages N,M,...]\n";
        return yanlışKullanım;
    }
    EserPtr eser = eserAç(a[0]);
    Terminal terminal(std::cerr);
    açılanEserinPlanı(*eser, terminal);
    std::optional<Notalar> notalar = icraPlanıKur(*eser, terminal);
    if (!notalar) return reddedildi;
    const int sayı = eser->başlık.pasajSayısı;
    if (!seçili) {
        seçili.emplace();
        for (int n = 1; n <= sayı; ++n) seçili->push_back(n);
    }
    for (int n : *seçili)
        if (n < 1 || n > sayı) {
            std::cerr << n << " nolu pasaj yok; eserde " << sayı << " pasaj var\n";
            return yanlışKullanım;
        }
    // Runs of the command side by side each keep their own tuned notes.
    AkortluNotaDeposu depo(std::filesystem::temp_directory_path() /
                           ("AkortluData." + std::to_string(getpid()) + ".dat"));
    const std::filesystem::path klasör = programKlasörü();
    const AkortÇarpanları çarpanlar(klasör);
    const CinsKütüphanesi cinsler = varsayılanCinsler();
    İcraOrtamı ortam{klasör, depo, çarpanlar, cinsler, terminal};
    return seçimiSeslendir(eser->başlık, *notalar, *seçili, a[1], ortam) ? başarılı : reddedildi;
}

constexpr Komut komutlar[] = {
    {"render", "EVD WAV [--passages N,M,...]", "seçilen pasajları (verilmezse hepsini) WAV dosyasına seslendirir",
     seslendir, 2, true},
};

}  // namespace

std::span<const Komut> icraKomutları() { return komutlar; }

}  // namespace selvika::cli
