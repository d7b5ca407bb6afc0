#include "cli/passage_choice.h"

#include <iostream>
#include <optional>

#include "audio/passage_marks.h"
#include "audio/plan_building.h"
#include "cli/command.h"
#include "cli/options.h"
#include "cli/terminal.h"

namespace selvika::cli {
namespace {

// The passages to perform, all of them when none was chosen; nothing when
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

}  // namespace

std::filesystem::path programKlasörü() { return std::filesystem::read_symlink("/proc/self/exe").parent_path(); }

CLI::Option* pasajSeçeneği(CLI::App& uygulama, std::vector<int>& pasajlar) {
    return uygulama.add_option("--passages", pasajlar)
        ->type_name("N,M,...")
        ->delimiter(',')
        ->check(aralık(1, enFazlaPasaj));
}

int pasajlarla(const std::string& yol, std::vector<int> istenen, Etkileşim& etkileşim, const Pasajİşi& iş) {
    EserPtr eser = eserAç(yol);
    açılanEserinPlanı(*eser, etkileşim);
    std::optional<Notalar> notalar = icraPlanıKur(*eser, etkileşim);
    if (!notalar) return reddedildi;
    auto seçili = seçiliPasajlar(std::move(istenen), eser->başlık.pasajSayısı);
    if (!seçili) return yanlışKullanım;
    return iş(eser->başlık, *notalar, *seçili) ? başarılı : reddedildi;
}

}  // namespace selvika::cli
