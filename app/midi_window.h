#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>
#include <vector>

#include "audio/midi_output.h"
#include "audio/midi_playing.h"
#include "core/interaction.h"

class QComboBox;

namespace selvika {

// "Selvika - Midi": the melody of the selected passages played on a MIDI
// output, a timer sending each message as its time comes so that the
// window stays free. The device is given up while the window is inactive.
class MidiPenceresi : public QDialog {
public:
    MidiPenceresi(std::unique_ptr<MidiAygıtSeçimi> aygıtlar, std::vector<MidiOlayı> olaylar, Etkileşim& etkileşim,
                  QWidget* ebeveyn = nullptr);
    ~MidiPenceresi() override;

    void yürüt();
    void durdur();
    bool çalıyor() const { return yürütücü_ != nullptr; }

protected:
    void changeEvent(QEvent* olay) override;
    void done(int sonuç) override;

private:
    void aygıtAç(int sıra);
    void sesSeç(int sıra);
    void ilerle();

    std::unique_ptr<MidiAygıtSeçimi> aygıtlar_;
    std::vector<MidiOlayı> olaylar_;
    Etkileşim& etkileşim_;
    QComboBox* aygıtListesi_ = nullptr;
    QComboBox* sesListesi_ = nullptr;
    std::unique_ptr<MidiYürütücü> yürütücü_;
    QTimer zamanlayıcı_;
    QElapsedTimer saat_;
};

}  // namespace selvika
