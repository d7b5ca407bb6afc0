#pragma once

#include "core/interaction.h"
#include "interchange/import_report.h"

namespace selvika {

// The editing commands an import reuses tell their refusals here; each one
// is a case the import could not carry over.
class RaporaYazanEtkileşim : public Etkileşim {
public:
    explicit RaporaYazanEtkileşim(İçeAlmaRaporu& rapor) : rapor_(rapor) {}

    void ikazYaz(std::string_view metin) override { rapor_.genel(metin); }
    Cevap mesaj(std::string_view metin, std::string_view, Düğmeler) override {
        rapor_.genel(metin);
        return Cevap::tamam;
    }
    std::optional<std::string> girdi(std::string_view, std::string_view, std::string_view) override { return {}; }
    std::optional<std::filesystem::path> açılacakDosya(const DosyaSeçimi&) override { return {}; }
    std::optional<std::filesystem::path> kaydedilecekDosya(const DosyaSeçimi&) override { return {}; }

private:
    İçeAlmaRaporu& rapor_;
};

}  // namespace selvika
