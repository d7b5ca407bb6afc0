#include "interchange/musicxml_command.h"

#include "core/file_io.h"
#include "core/score_file.h"
#include "core/score_session.h"
#include "interchange/musicxml_export.h"
#include "interchange/musicxml_import.h"

namespace selvika {

std::optional<std::filesystem::path> musicXmldenAl(const std::filesystem::path& klasör, Etkileşim& etkileşim) {
    const auto kaynak = etkileşim.açılacakDosya({musicXmlSüzgeci, musicXmlUzantısı, klasör, {}});
    if (!kaynak) return std::nullopt;
    const auto hedef = etkileşim.kaydedilecekDosya(
        {eserSüzgeci, eserUzantısı, kaynak->parent_path(), kaynak->stem().string() + "." + eserUzantısı});
    if (!hedef) return std::nullopt;
    try {
        MusicXmlİçeAlma alınan = musicXmlAl(*kaynak);
        eserKaydet(*alınan.eser, *hedef);
        if (!alınan.rapor.satırlar.empty()) etkileşim.mesaj(raporMetni(alınan.rapor), musicXmlAlmaBaşlığı);
    } catch (const DosyaHatası& hata) {
        etkileşim.mesaj(hata.what(), musicXmlAlmaBaşlığı);
        return std::nullopt;
    }
    return hedef;
}

void musicXmlOlarakVer(const Eser& eser, const std::filesystem::path& eserYolu, Etkileşim& etkileşim) {
    const auto hedef = etkileşim.kaydedilecekDosya(
        {musicXmlSüzgeci, musicXmlUzantısı, eserYolu.parent_path(), eserYolu.stem().string() + "." + musicXmlUzantısı});
    if (!hedef) return;
    try {
        musicXmlKaydet(eser, *hedef);
    } catch (const DosyaHatası& hata) {
        etkileşim.mesaj(hata.what(), musicXmlVermeBaşlığı);
    }
}

}  // namespace selvika
