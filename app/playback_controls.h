#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <memory>

#include "app/end_timer.h"
#include "audio/playback.h"
#include "audio/tuning_factors.h"
#include "core/interaction.h"

class QProgressBar;
class QPushButton;

namespace selvika {

class AkortPenceresi;

// The start, pause/resume and stop buttons with the progress bar: the last
// rendering played on the window's one audio output, which the tuning
// window shares. Without an audio output the user is told once, when
// there is first something to hear, and the buttons stay off.
class ÇalmaDüğmeleri : public QWidget {
public:
    // Without an output given, the system's default audio output.
    ÇalmaDüğmeleri(std::unique_ptr<SesÇıkışı> çıkış, Etkileşim& etkileşim, QWidget* üst);
    ~ÇalmaDüğmeleri() override;

    // A rendering of `süreMs` milliseconds, played from its start.
    void çal(const std::filesystem::path& dosya, double süreMs);
    void but_eser_start_Click();
    void but_eser_pause_Click();
    void but_eser_stop_Click();
    // "Akort": the tuning window on this output, the playing stopped first.
    void akortAç(const std::filesystem::path& klasör, AkortÇarpanları& çarpanlar);

private:
    void düğmeleriGüncelle();

    std::unique_ptr<SesÇıkışı> çıkış_;
    Etkileşim& etkileşim_;
    PencereBitişZamanlayıcısı bitiş_;
    Çalıcı çalıcı_;
    QTimer ilerlemeZamanı_;
    std::filesystem::path dosya_;
    double süreMs_ = 0;
    bool aygıtYokDendi_ = false;
    QPushButton* başlat_;
    QPushButton* duraklat_;
    QPushButton* durdur_;
    QProgressBar* çubuk_;
    QPointer<AkortPenceresi> akort_;
};

}  // namespace selvika
