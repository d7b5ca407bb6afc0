#include "cli/terminal.h"

#include <iostream>

#include "core/score_file.h"

namespace selvika::cli {

void Terminal::ikazYaz(std::string_view metin) { çıktı_ << metin << '\n'; }

Cevap Terminal::mesaj(std::string_view metin, std::string_view, Düğmeler düğmeler) {
    çıktı_ << metin << '\n';
    return düğmeler == Düğmeler::durdurYenidenDeneYoksay ? Cevap::yoksay : Cevap::tamam;
}

std::optional<std::string> Terminal::girdi(std::string_view, std::string_view, std::string_view) {
    return std::nullopt;
}

std::optional<std::filesystem::path> Terminal::açılacakDosya(const DosyaSeçimi&) { return std::nullopt; }

std::optional<std::filesystem::path> Terminal::kaydedilecekDosya(const DosyaSeçimi&) { return std::nullopt; }

EserPtr eserAç(const std::string& yol) {
    AçılanEser açılan = eserOku(yol);
    if (!açılan.rapor.tam()) std::cerr << yol << ": " << açılan.rapor.metin() << '\n';
    return std::move(açılan.eser);
}

}  // namespace selvika::cli
