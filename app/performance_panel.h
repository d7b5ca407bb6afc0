#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "audio/cesni.h"
#include "audio/flat_notes.h"
#include "core/interaction.h"

class QCheckBox;
class QPushButton;

namespace selvika {

class EserOturumu;
class Menüler;
class SesÇıkışı;
class ÇalmaDüğmeleri;
class PasajListesi;
class Pasajİşaretleme;
class SatırEditörü;
class SatırResmi;
class SeslendirmeDüğmesi;
class ÖzellikListesi;

// Performance mode of the main window ("İcra" of Görünüm, checked while on):
// the passage list, the property list with its editors, the line-play
// settings, the render button with the playing and the other ways of
// hearing the passages, and the marking of new passages on the editing
// area. The flat note table lives while the mode is on.
class İcraPaneli : public QWidget {
public:
    // The çeşni of the plan come from `cinsler`, the library of the run.
    İcraPaneli(EserOturumu& oturum, SatırEditörü& editör, SatırResmi& resim, Menüler& menüler, Etkileşim& etkileşim,
               const std::filesystem::path& programKlasörü, const CinsKütüphanesi& cinsler,
               std::unique_ptr<SesÇıkışı> çıkış, QWidget* üst);
    ~İcraPaneli() override;

    bool açık() const { return notalar_.has_value(); }
    SeslendirmeDüğmesi& seslendirme() { return *sazKaydet_; }
    ÇalmaDüğmeleri& çalma() { return *çalma_; }
    Pasajİşaretleme& işaretleme() { return *işaretleme_; }

    // `Mn_icra_Click`: builds the plan and enters performance mode; false
    // when refused or the user stays with the line's edits.
    bool Mn_icra_Click();
    // Back to edit mode, the passage marks written into the lines.
    void bitir();
    // The OK button of the line-play settings: the current line rendered
    // with the line-play record and played.
    void But_Kanal_Tamam_Click();

    // The mode was entered (true) or left.
    std::function<void(bool açık)> kipDeğişti;

private:
    void düzeniKur();
    void göster();
    void planDeğişti();
    std::filesystem::path çıktıDosyası() const;

    EserOturumu& oturum_;
    SatırEditörü& editör_;
    Menüler& menüler_;
    Etkileşim& etkileşim_;
    std::filesystem::path programKlasörü_;
    std::optional<Notalar> notalar_;
    PasajListesi* pasajlar_;
    ÖzellikListesi* List3_;
    QCheckBox* satırKipi_;
    QPushButton* satırTamam_;
    SeslendirmeDüğmesi* sazKaydet_;
    ÇalmaDüğmeleri* çalma_;
    QWidget* dinleme_;
    Pasajİşaretleme* işaretleme_;
};

}  // namespace selvika
