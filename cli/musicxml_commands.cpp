// export-musicxml, import-musicxml: scores to and from other notation programs.

#include <iostream>

#include "cli/command.h"
#include "core/score_file.h"
#include "interchange/musicxml_export.h"
#include "interchange/musicxml_import.h"

namespace selvika::cli {
namespace {

int musicXmlVer(std::span<const std::string> a) {
    AçılanEser açılan = eserOku(a[0]);
    musicXmlKaydet(*açılan.eser, a[1]);
    return başarılı;
}

int musicXmlİçeAl(std::span<const std::string> a) {
    MusicXmlİçeAlma alınan = musicXmlAl(std::filesystem::path(a[0]));
    for (const std::string& satır : alınan.rapor.satırlar) std::cerr << satır << '\n';
    eserKaydet(*alınan.eser, a[1]);
    return başarılı;
}

constexpr Komut komutlar[] = {
    {"export-musicxml", "GİRDİ.EVD ÇIKTI.musicxml", "eseri MusicXML 4.0 olarak yazar", musicXmlVer, 2},
    {"import-musicxml", "GİRDİ.musicxml ÇIKTI.EVD",
     "MusicXML dosyasını eser olarak yazar; alınamayanları ölçü numarasıyla bildirir", musicXmlİçeAl, 2},
};

}  // namespace

std::span<const Komut> musicXmlKomutları() { return komutlar; }

}  // namespace selvika::cli
