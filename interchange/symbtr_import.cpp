#include "interchange/symbtr_import.h"

#include <sstream>

#include "core/defaults.h"
#include "core/file_io.h"
#include "core/preferences.h"
#include "core/titles.h"
#include "interchange/symbtr_lines.h"
#include "interchange/symbtr_name.h"
#include "interchange/symbtr_rows.h"
#include "pitch/key_signatures.h"

namespace selvika {
namespace {

// The longest pieces of the corpus are a few hundred kilobytes.
constexpr std::size_t enBüyükMetin = 64u << 20;

// The makam as the makam list names it, else as the file does.
std::string makamAdı(std::optional<Byte> kod, const SymbTrAdı& ad) {
    for (const Makam& m : makamListesi())
        if (kod && m.kod == *kod) return std::string(m.ad);
    return ad.makamAdı;
}

void başlıklarıYaz(EserBaşlık& başlık, const SymbTrAdı& ad, std::optional<Byte> donanım) {
    başlığıYaz(başlık, 1, ad.eserAdı);
    başlığıYaz(başlık, 2, ad.form);
    başlığıYaz(başlık, 4, makamAdı(donanım, ad));
    başlığıYaz(başlık, 5, ad.usul);
    başlığıYaz(başlık, 7, ad.besteci);
}

}  // namespace

İçeAlma symbTrAl(std::istream& girdi, std::string_view dosyaAdı) {
    İçeAlma sonuç{yeniEser(varsayılanTercihler()), {}};
    İçeAlmaRaporu& rapor = sonuç.rapor;
    const SymbTrAdı ad = symbTrAdı(dosyaAdı);
    const std::optional<Byte> donanım = makamınDonanımı(ad.makam);
    if (!donanım) rapor.genel("makam \"" + ad.makam + "\" makam listesinde yok: donanım yazılmadı");
    başlıklarıYaz(sonuç.eser->başlık, ad, donanım);

    const std::vector<AlınanÖlçü> ölçüler = ölçülereBöl(symbTrSatırlarınıOku(girdi, rapor), rapor);
    const std::vector<SatırPlanı> planlar = satırlaraBöl(ölçüler, donanım ? 2 : 1);
    for (std::size_t k = 0; k < planlar.size(); ++k) {
        if (k == satırSayısı) {
            rapor.sıra(planlar[k].simgeler.front().nota ? planlar[k].simgeler.front().nota->sıra : 0,
                       "eser 126 satıra sığmadı: buradan sonrası alınmadı");
            break;
        }
        sonuç.eser->satırlar[static_cast<int>(k) + 1] = satırKur(planlar[k], donanım, sonuç.eser->başlık, rapor);
    }
    return sonuç;
}

İçeAlma symbTrAl(const std::filesystem::path& yol) {
    const std::vector<std::uint8_t> baytlar = readFile(yol, enBüyükMetin);
    std::istringstream girdi(std::string(baytlar.begin(), baytlar.end()));
    return symbTrAl(girdi, yol.stem().string());
}

}  // namespace selvika
