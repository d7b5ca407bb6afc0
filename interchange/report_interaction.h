#pragma once

#include "core/interaction.h"
#include "interchange/import_report.h"

namespace selvika {

// The editing commands an import reuses tell their refusals here; each one
// is a case the import could not carry over.
class RaporaYazanEtkileşim : public Etkileşim {
public:
    explicit RaporaYazanEtkileşim(İçeAlmaRaporu& rapor) : rapor_(rapor) {}

    // The row the commands called next work on; 0 for none.
    int sıra = 0;

    void ikazYaz(std::string_view metin) override { yaz(metin); }
    Cevap mesaj(std::string_view metin, std::string_view, Düğmeler) override {
        yaz(metin);
        return Cevap::tamam;
    }
    std::optional<std::string> girdi(std::string_view, std::string_view, std::string_view) override { return {}; }
    std::optional<std::filesystem::path> açılacakDosya(const DosyaSeçimi&) override { return {}; }
    std::optional<std::filesystem::path> kaydedilecekDosya(const DosyaSeçimi&) override { return {}; }

private:
    void yaz(std::string_view metin) { sıra > 0 ? rapor_.sıra(sıra, metin) : rapor_.genel(metin); }

    İçeAlmaRaporu& rapor_;
};

}  // namespace selvika
