#pragma once

#include <QDialog>
#include <filesystem>

#include "audio/tuning_factors.h"
#include "core/interaction.h"

class QLabel;

namespace selvika {

class SesÇıkışı;

// "Selvika - Akord": the recorded perdes of an instrument played one at a
// time while the user raises or lowers each by komas and fifths of a koma.
// The factors live for the run; the preview file `Akord.dat` for the window.
class AkortPenceresi : public QDialog {
public:
    AkortPenceresi(std::filesystem::path klasör, AkortÇarpanları& çarpanlar, SesÇıkışı& çıkış,
                   Etkileşim& etkileşim, QWidget* ebeveyn = nullptr);
    ~AkortPenceresi() override;

    // Opens the window unless the MP3 encoder cannot be started ("Dekoder
    // hatası"), in which case the user is told and nothing opens.
    static AkortPenceresi* aç(std::filesystem::path klasör, AkortÇarpanları& çarpanlar, SesÇıkışı& çıkış, Etkileşim& etkileşim,
                   QWidget* ebeveyn);

    std::filesystem::path önizlemeDosyası() const { return klasör_ / "Akord.dat"; }

protected:
    void done(int sonuç) override;

private:
    void sazSeç(int düğme);
    void perdeSeç(int b);
    void ayarla(int düğme);
    void önizle();
    void durdur();
    void yazıyıGüncelle();

    std::filesystem::path klasör_;
    AkortÇarpanları& çarpanlar_;
    SesÇıkışı& çıkış_;
    Etkileşim& etkileşim_;
    int saz_;
    int perde_ = 12;
    QLabel* durum_ = nullptr;
};

}  // namespace selvika
