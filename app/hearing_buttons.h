#pragma once

#include <QWidget>
#include <filesystem>

#include "audio/syllable_render.h"
#include "core/interaction.h"

class QProgressBar;

namespace selvika {

class ÇalmaDüğmeleri;
class SeslendirmeDüğmesi;

// What else the checked passages become besides a rendering: solfège and
// bona played like it, the output as MP3, the melody on a MIDI output or
// in a MIDI file; and the tuning window. The long ones run in the render
// button's worker, Esc stopping them.
class DinlemeDüğmeleri : public QWidget {
public:
    DinlemeDüğmeleri(SeslendirmeDüğmesi& sazKaydet, ÇalmaDüğmeleri& çalma, Etkileşim& etkileşim,
                     const std::filesystem::path& programKlasörü, QWidget* üst);

    void But_SolfejKaydet_Click() { heceleriÇal(HeceKipi::solfej); }
    void But_BonaKaydet_Click() { heceleriÇal(HeceKipi::bona); }
    void But_Diske_MP3_Click();
    void But_MidiKaydet_Click();
    // "MIDI dosyası olarak kaydet".
    void But_MidiDosyası_Click();
    void But_Akort_Click();

private:
    void heceleriÇal(HeceKipi kip);
    void mp3eDönüştür(const std::filesystem::path& kaynak, int bitHızı);

    SeslendirmeDüğmesi& sazKaydet_;
    ÇalmaDüğmeleri& çalma_;
    Etkileşim& etkileşim_;
    std::filesystem::path programKlasörü_;
    QProgressBar* mp3İlerlemesi_;
};

}  // namespace selvika
