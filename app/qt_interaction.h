#pragma once

#include <QPointer>
#include <functional>

#include "core/interaction.h"

class QLabel;
class QWidget;

namespace selvika {

inline constexpr const char* programAdı = "Selvika";

// The user meets the engine through message boxes, input boxes, file
// dialogs and the main window's warning line.
class QtEtkileşim : public Etkileşim {
public:
    // The label ikazYaz writes into; until the window exists there is none.
    void uyarıSatırınıBağla(QLabel* satır);

    // Whether warnings sound ("proğram uyarı sesleri duyulsun" of the open
    // score); until it is set they do.
    std::function<bool()> uyarıSesiVar;
    // The sound of a warning.
    std::function<void()> bip;

    void ikazYaz(std::string_view metin) override;
    Cevap mesaj(std::string_view metin, std::string_view başlık, Düğmeler düğmeler) override;
    std::optional<std::string> girdi(std::string_view soru, std::string_view başlık,
                                     std::string_view varsayılan) override;
    std::optional<std::filesystem::path> açılacakDosya(const DosyaSeçimi& seçim) override;
    std::optional<std::filesystem::path> kaydedilecekDosya(const DosyaSeçimi& seçim) override;

private:
    void uyar();

    QPointer<QLabel> uyarıSatırı_;
};

}  // namespace selvika
