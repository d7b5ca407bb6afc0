// selvika-cli: the score engine without the window, for scripts and tests.

#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "core/file_io.h"

using namespace selvika::cli;

namespace {

// Every command, in the order the usage lists them.
const std::vector<Komut>& komutlar() {
    static const std::vector<Komut> hepsi = [] {
        std::vector<Komut> v;
        for (auto grup : {eserKomutları(), ritimKomutları(), sayfaKomutları(), planKomutları(), icraKomutları(),
                           aktarımKomutları(), analizKomutları(), içeAlmaKomutları(), musicXmlKomutları()})
            v.insert(v.end(), grup.begin(), grup.end());
        return v;
    }();
    return hepsi;
}

void kullanım(std::ostream& out) {
    out << "kullanım: selvika-cli KOMUT ARGÜMANLAR\n\nkomutlar:\n";
    for (const Komut& k : komutlar()) {
        std::string satır = "  " + std::string(k.ad) + " " + std::string(k.argümanlar);
        out << satır << std::string(satır.size() < 34 ? 34 - satır.size() : 1, ' ') << k.açıklama << '\n';
    }
    out << "\nçıkış durumu: 0 başarılı, 1 dosya reddedildi ya da okunamadı, 2 yanlış kullanım\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> argümanlar(argv + 1, argv + argc);
    if (argümanlar.empty() || argümanlar[0] == "help" || argümanlar[0] == "--help") {
        kullanım(argümanlar.empty() ? std::cerr : std::cout);
        return argümanlar.empty() ? yanlışKullanım : başarılı;
    }
    for (const Komut& k : komutlar()) {
        if (k.ad != argümanlar[0]) continue;
        const std::size_t sayı = argümanlar.size() - 1;
        if (k.seçenekli ? sayı < k.argümanSayısı : sayı != k.argümanSayısı) {
            std::cerr << "kullanım: selvika-cli " << k.ad << " " << k.argümanlar << '\n';
            return yanlışKullanım;
        }
        try {
            return k.çalıştır(std::span(argümanlar).subspan(1));
        } catch (const selvika::DosyaHatası& hata) {
            std::cerr << hata.what() << '\n';
            return reddedildi;
        }
    }
    std::cerr << "bilinmeyen komut: " << argümanlar[0] << "\n\n";
    kullanım(std::cerr);
    return yanlışKullanım;
}
