#pragma once

#include <QDialog>
#include <array>
#include <filesystem>
#include <optional>

#include "analysis/ahenk_shift.h"
#include "analysis/pitch_histogram.h"
#include "core/interaction.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace selvika {

class DonanımÖnizlemesi;
class GlifSayfası;
class HistogramGörünümü;

// "Eserin içerdiği notaların analizi ": the count and duration histograms
// of the score's pitches, the ahenk shift with its eleven buttons, and the
// score's key signature beside the one it needs at the shifted level. The
// window only reads the score; its statistics are taken once on opening.
class AnalizPenceresi : public QDialog {
public:
    // `Mn_Analiz_Click`: nothing opens while the first line is too short to
    // say anything ("eserin ilk satırında yeterli nota yok.").
    static AnalizPenceresi* aç(const Eser& eser, const GlifSayfası& glifler, Etkileşim& etkileşim,
                               std::filesystem::path klasör, QWidget* üst);

    int öteleme() const { return öteleme_; }

    // `Command1_Click`.
    void Command1_Click(int düğme);

private:
    AnalizPenceresi(const Eser& eser, const GlifSayfası& glifler, Etkileşim& etkileşim, std::filesystem::path klasör,
                    QWidget* üst);
    QWidget* düğmeleriKur();
    QWidget* donanımlarıKur(const GlifSayfası& glifler);
    void resmiKaydet();

    Etkileşim& etkileşim_;
    std::filesystem::path klasör_;
    PerdeSayımı sayım_;
    std::optional<Donanım> eski_;
    int öteleme_ = 0;
    HistogramGörünümü* PicAnalizAdet_;
    HistogramGörünümü* PicAnalizSüre_;
    QLabel* ötelemeEtiketi_ = nullptr;
    DonanımÖnizlemesi* yeniDonanım_ = nullptr;
};

}  // namespace selvika
