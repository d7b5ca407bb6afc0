// new, dump, resave, store: the score file from the command line.

#include <iostream>

#include "cli/command.h"
#include "cli/score_json.h"
#include "cli/terminal.h"
#include "core/defaults.h"
#include "core/score_file.h"
#include "pitch/sound.h"

namespace selvika::cli {
namespace {

int yeni(std::span<const std::string> a) {
    eserKaydet(*yeniEser(varsayılanTercihler()), a[0]);
    return başarılı;
}

int dök(std::span<const std::string> a) {
    std::cout << eserJson(*eserAç(a[0])).dump(1) << '\n';
    return başarılı;
}

int yenidenKaydet(std::span<const std::string> a) {
    eserKaydet(*eserAç(a[0]), a[1]);
    return başarılı;
}

// What storing every line in the editor does to the score.
int sakla(std::span<const std::string> a) {
    EserPtr eser = eserAç(a[0]);
    Terminal terminal(std::cerr);
    for (Satır& satır : eser->satırlar)
        if (satır.elemanSayısı > 0) ses(satır, eser->başlık.donanım, terminal);
    eserKaydet(*eser, a[1]);
    return başarılı;
}

constexpr Komut komutlar[] = {
    {"new", "ÇIKTI.EVD", "yeni eser değerleriyle boş bir eser yazar", yeni, 1},
    {"dump", "EVD", "eserin tamamını JSON olarak yazar", dök, 1},
    {"resave", "GİRDİ.EVD ÇIKTI.EVD", "eseri açıp editörün kaydettiği gibi kaydeder", yenidenKaydet, 2},
    {"store", "GİRDİ.EVD ÇIKTI.EVD", "her dolu satırı editördeki gibi saklar (ses, süre) ve kaydeder", sakla, 2},
};

}  // namespace

std::span<const Komut> eserKomutları() { return komutlar; }

}  // namespace selvika::cli
