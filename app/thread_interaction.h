#pragma once

#include "core/interaction.h"

class QObject;

namespace selvika {

// The user reached from a worker thread: every question and message is
// carried to the thread of `bağlam` (the window's), which answers it while
// the worker waits.
class İplikArasıEtkileşim : public Etkileşim {
public:
    İplikArasıEtkileşim(Etkileşim& asıl, QObject& bağlam) : asıl_(asıl), bağlam_(bağlam) {}

    void ikazYaz(std::string_view metin) override;
    Cevap mesaj(std::string_view metin, std::string_view başlık, Düğmeler düğmeler) override;
    std::optional<std::string> girdi(std::string_view soru, std::string_view başlık,
                                     std::string_view varsayılan) override;
    std::optional<std::filesystem::path> açılacakDosya(const DosyaSeçimi& seçim) override;
    std::optional<std::filesystem::path> kaydedilecekDosya(const DosyaSeçimi& seçim) override;

private:
    template <class F>
    auto orada(F iş);

    Etkileşim& asıl_;
    QObject& bağlam_;
};

}  // namespace selvika
