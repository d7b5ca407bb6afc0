#include "interchange/musicxml_command.h"

#include "core/file_io.h"
#include "core/score_file.h"
#include "core/score_session.h"
#include "interchange/import_command.h"
#include "interchange/musicxml_export.h"
#include "interchange/musicxml_import.h"

namespace selvika {

std::optional<std::filesystem::path> musicXmldenAl(const std::filesystem::path& klasör, Etkileşim& etkileşim) {
    const İçeAlmaKomutu komut{musicXmlSüzgeci, musicXmlUzantısı, musicXmlAlmaBaşlığı,
                              [](const auto& yol) { return musicXmlAl(yol); }};
    return dosyadanAl(komut, klasör, etkileşim);
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
