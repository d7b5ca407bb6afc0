#include "interchange/import_command.h"

#include "core/file_io.h"
#include "core/score_file.h"
#include "core/score_session.h"

namespace selvika {

std::optional<std::filesystem::path> dosyadanAl(const İçeAlmaKomutu& komut, const std::filesystem::path& klasör,
                                                Etkileşim& etkileşim) {
    const auto kaynak = etkileşim.açılacakDosya({std::string(komut.süzgeç), std::string(komut.uzantı), klasör, {}});
    if (!kaynak) return std::nullopt;
    const auto hedef = etkileşim.kaydedilecekDosya(
        {eserSüzgeci, eserUzantısı, kaynak->parent_path(), kaynak->stem().string() + "." + eserUzantısı});
    if (!hedef) return std::nullopt;
    try {
        const İçeAlma alınan = komut.al(*kaynak);
        eserKaydet(*alınan.eser, *hedef);
        if (!alınan.rapor.satırlar.empty()) etkileşim.mesaj(raporMetni(alınan.rapor), komut.başlık);
    } catch (const DosyaHatası& hata) {
        etkileşim.mesaj(hata.what(), komut.başlık);
        return std::nullopt;
    }
    return hedef;
}

}  // namespace selvika
