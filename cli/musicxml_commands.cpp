// export-musicxml: a score for other notation programs.

#include "cli/command.h"
#include "core/score_file.h"
#include "interchange/musicxml_export.h"

namespace selvika::cli {
namespace {

int musicXmlVer(std::span<const std::string> a) {
    AçılanEser açılan = eserOku(a[0]);
    musicXmlKaydet(*açılan.eser, a[1]);
    return başarılı;
}

constexpr Komut komutlar[] = {
    {"export-musicxml", "GİRDİ.EVD ÇIKTI.musicxml", "eseri MusicXML 4.0 olarak yazar", musicXmlVer, 2},
};

}  // namespace

std::span<const Komut> musicXmlKomutları() { return komutlar; }

}  // namespace selvika::cli
