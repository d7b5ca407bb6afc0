#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace selvika {

enum class Düğmeler { tamam, tamamVazgeç, evetHayır, evetHayırVazgeç, durdurYenidenDeneYoksay };
enum class Cevap { tamam, vazgeç, evet, hayır, durdur, yenidenDene, yoksay };

// A file dialog: its filter ("eser data dosyaları|*.EVD||"), the extension
// added to a name typed without one, where it starts and the name it offers.
struct DosyaSeçimi {
    std::string süzgeç;
    std::string uzantı;
    std::filesystem::path klasör;
    std::string önerilenAd;
};

// Everything the user reads and answers reaches the user through here: the
// window implements it with widgets, the command-line tool on the terminal,
// tests with a scripted double. Engine code knows nothing else.
class Etkileşim {
public:
    virtual ~Etkileşim() = default;

    // The editor's warning line.
    virtual void ikazYaz(std::string_view metin) = 0;

    // A message box; the answer is one of the buttons shown.
    virtual Cevap mesaj(std::string_view metin, std::string_view başlık = {},
                        Düğmeler düğmeler = Düğmeler::tamam) = 0;

    // An input box; nothing when the user cancels.
    virtual std::optional<std::string> girdi(std::string_view soru, std::string_view başlık = {},
                                             std::string_view varsayılan = {}) = 0;

    // The open dialog accepts a name that does not exist yet (opening it
    // starts a new score); the save dialog asks before replacing a file.
    virtual std::optional<std::filesystem::path> açılacakDosya(const DosyaSeçimi& seçim) = 0;
    virtual std::optional<std::filesystem::path> kaydedilecekDosya(const DosyaSeçimi& seçim) = 0;
};

}  // namespace selvika
