#pragma once

#include "core/interaction.h"

namespace selvika {

// Nobody to tell: for work done where no one reads the messages (a line only
// shown, a benchmark, a fuzz run). Counts the messages it swallows.
class SessizEtkileşim : public Etkileşim {
public:
    int mesajlar = 0;
    void ikazYaz(std::string_view) override { ++mesajlar; }
    Cevap mesaj(std::string_view, std::string_view, Düğmeler) override {
        ++mesajlar;
        return Cevap::tamam;
    }
    std::optional<std::string> girdi(std::string_view, std::string_view, std::string_view) override { return {}; }
    std::optional<std::filesystem::path> açılacakDosya(const DosyaSeçimi&) override { return {}; }
    std::optional<std::filesystem::path> kaydedilecekDosya(const DosyaSeçimi&) override { return {}; }
};

}  // namespace selvika
