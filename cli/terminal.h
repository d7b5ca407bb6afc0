#pragma once

#include <ostream>
#include <string>

#include "core/interaction.h"
#include "core/score.h"

namespace selvika::cli {

// The user at a terminal: reads every message and ignores every report;
// there is nobody to answer a dialog.
class Terminal : public Etkileşim {
public:
    explicit Terminal(std::ostream& çıktı) : çıktı_(çıktı) {}

    void ikazYaz(std::string_view metin) override;
    Cevap mesaj(std::string_view metin, std::string_view başlık, Düğmeler düğmeler) override;
    std::optional<std::string> girdi(std::string_view, std::string_view, std::string_view) override;
    std::optional<std::filesystem::path> açılacakDosya(const DosyaSeçimi&) override;
    std::optional<std::filesystem::path> kaydedilecekDosya(const DosyaSeçimi&) override;

private:
    std::ostream& çıktı_;
};

// Opens a score; what the file could not give is told on standard error.
EserPtr eserAç(const std::string& yol);

}  // namespace selvika::cli
