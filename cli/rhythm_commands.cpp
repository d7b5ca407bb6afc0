// check: the measure check from the command line.

#include <iostream>

#include "cli/command.h"
#include "cli/terminal.h"
#include "rhythm/measure_check.h"

namespace selvika::cli {
namespace {

int mezürKontrol(std::span<const std::string> a) {
    EserPtr eser = eserAç(a[0]);
    Terminal terminal(std::cout);
    Mn_mezür_Click(*eser, terminal);
    return başarılı;
}

constexpr Komut komutlar[] = {
    {"check", "EVD", "mezür kontrolü: her mezür hatasını ve özeti yazar", mezürKontrol, 1},
};

}  // namespace

std::span<const Komut> ritimKomutları() { return komutlar; }

}  // namespace selvika::cli
