#include "interchange/symbtr_command.h"

#include "core/file_io.h"
#include "core/score_file.h"
#include "core/score_session.h"
#include "interchange/symbtr_import.h"

namespace selvika {
namespace {

// A message box holds this many reported rows; the rest are counted.
constexpr std::size_t gösterilenSatır = 20;

std::string raporMetni(const İçeAlmaRaporu& rapor) {
    std::string metin = "Aktarılamayan ya da değiştirilerek aktarılan satırlar:\n";
    for (std::size_t i = 0; i < std::min(rapor.satırlar.size(), gösterilenSatır); ++i)
        metin += "\n" + rapor.satırlar[i];
    if (rapor.satırlar.size() > gösterilenSatır)
        metin += "\n… ve " + std::to_string(rapor.satırlar.size() - gösterilenSatır) + " satır daha";
    return metin;
}

}  // namespace

std::optional<std::filesystem::path> symbTrdenAl(const std::filesystem::path& klasör, Etkileşim& etkileşim) {
    const auto kaynak = etkileşim.açılacakDosya({symbTrSüzgeci, "txt", klasör, {}});
    if (!kaynak) return std::nullopt;
    const auto hedef = etkileşim.kaydedilecekDosya(
        {eserSüzgeci, eserUzantısı, kaynak->parent_path(), kaynak->stem().string() + "." + eserUzantısı});
    if (!hedef) return std::nullopt;
    try {
        SymbTrİçeAlma alınan = symbTrAl(*kaynak);
        eserKaydet(*alınan.eser, *hedef);
        if (!alınan.rapor.satırlar.empty()) etkileşim.mesaj(raporMetni(alınan.rapor), symbTrBaşlığı);
    } catch (const DosyaHatası& hata) {
        etkileşim.mesaj(hata.what(), symbTrBaşlığı);
        return std::nullopt;
    }
    return hedef;
}

}  // namespace selvika
