// new, dump, resave: the score file from the command line.

#include <iostream>

#include "cli/command.h"
#include "cli/score_json.h"
#include "core/defaults.h"
#include "core/score_file.h"

namespace selvika::cli {
namespace {

// Opens a score; what the file could not give is told on standard error.
EserPtr aç(const std::string& yol) {
    AçılanEser açılan = eserOku(yol);
    if (!açılan.rapor.tam()) std::cerr << yol << ": " << açılan.rapor.metin() << '\n';
    return std::move(açılan.eser);
}

int yeni(std::span<const std::string> a) {
    eserKaydet(*yeniEser(varsayılanTercihler()), a[0]);
    return başarılı;
}

int dök(std::span<const std::string> a) {
    std::cout << eserJson(*aç(a[0])).dump(1) << '\n';
    return başarılı;
}

int yenidenKaydet(std::span<const std::string> a) {
    eserKaydet(*aç(a[0]), a[1]);
    return başarılı;
}

constexpr Komut komutlar[] = {
    {"new", "ÇIKTI.EVD", "yeni eser değerleriyle boş bir eser yazar", yeni, 1},
    {"dump", "EVD", "eserin tamamını JSON olarak yazar", dök, 1},
    {"resave", "GİRDİ.EVD ÇIKTI.EVD", "eseri açıp editörün kaydettiği gibi kaydeder", yenidenKaydet, 2},
};

}  // namespace

std::span<const Komut> eserKomutları() { return komutlar; }

}  // namespace selvika::cli
