#include "interchange/symbtr_command.h"

#include "core/file_io.h"
#include "core/score_file.h"
#include "core/score_session.h"
#include "interchange/symbtr_import.h"

namespace selvika {

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
