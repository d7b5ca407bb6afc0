#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/interaction.h"

namespace selvika::test {

// The user as a test plays it: every text shown is recorded, every question
// takes the next scripted answer. A question with no answer left fails the
// test; a message with only an OK button needs none.
class SenaryoluEtkileşim : public Etkileşim {
public:
    struct Mesaj {
        std::string metin;
        std::string başlık;
        Düğmeler düğmeler;
    };

    std::vector<std::string> ikazlar;
    std::vector<Mesaj> mesajlar;
    std::vector<DosyaSeçimi> dosyaSeçimleri;

    std::deque<Cevap> cevaplar;
    std::deque<std::optional<std::string>> girdiler;
    std::deque<std::optional<std::filesystem::path>> dosyalar;
    // What the user does while a message is on the screen.
    std::function<void(std::string_view)> mesajDururken = [](std::string_view) {};

    void ikazYaz(std::string_view metin) override;
    Cevap mesaj(std::string_view metin, std::string_view başlık, Düğmeler düğmeler) override;
    std::optional<std::string> girdi(std::string_view soru, std::string_view başlık,
                                     std::string_view varsayılan) override;
    std::optional<std::filesystem::path> açılacakDosya(const DosyaSeçimi& seçim) override;
    std::optional<std::filesystem::path> kaydedilecekDosya(const DosyaSeçimi& seçim) override;

    // The texts of the messages shown, in order.
    std::vector<std::string> metinler() const;
};

}  // namespace selvika::test
