#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "audio/cesni.h"
#include "audio/flat_notes.h"
#include "audio/performance_render.h"
#include "audio/tuned_note_cache.h"
#include "audio/tuning_factors.h"
#include "core/header.h"
#include "core/interaction.h"

class QLabel;
class QPushButton;

namespace selvika {

// `But_SazKaydet` with its progress label: renders the checked passages
// into the output file in a worker thread, the window answering the
// worker's messages and Esc meanwhile; line play, solfège, bona and the
// MP3 conversion run in the same worker. The tuned notes of the run
// (`AkortluData.dat` in the working folder) are kept for every rendering
// and deleted with the button, which lives as long as the window.
class SeslendirmeDüğmesi : public QWidget {
public:
    SeslendirmeDüğmesi(const std::filesystem::path& programKlasörü, const std::filesystem::path& çalışmaKlasörü,
                       const CinsKütüphanesi& cinsler, Etkileşim& etkileşim, QWidget* üst);
    ~SeslendirmeDüğmesi() override;

    // Tuning factors for instruments and perdes, used by the next rendering.
    AkortÇarpanları& çarpanlar() { return çarpanlar_; }
    bool çalışıyor() const { return çalışıyor_; }

    // What a rendering needs at the moment the button is pressed.
    struct İş {
        EserBaşlık& başlık;
        Notalar& notalar;
        std::vector<int> seçili;
        std::filesystem::path çıktı;
    };
    std::function<std::optional<İş>()> işiHazırla;
    // Before and after a rendering: the window takes no commands meanwhile.
    std::function<void(bool)> meşgul;
    // A rendering of `süreMs` milliseconds is in the output file, to be heard.
    std::function<void(const std::filesystem::path& çıktı, double süreMs)> seslendirildi;

    void But_SazKaydet_Click();
    // Runs `iş` in the worker with the run's tuned notes and tuning and
    // returns when it is done; false, doing nothing, while another runs.
    bool işçide(const std::function<void(İcraOrtamı&)>& iş);

private:
    void ilerlemeyiGöster(int yüzde);

    std::filesystem::path programKlasörü_;
    Etkileşim& etkileşim_;
    const CinsKütüphanesi& cinsler_;
    AkortluNotaDeposu depo_;
    AkortÇarpanları çarpanlar_;
    QPushButton* düğme_;
    QLabel* ilerleme_;
    bool çalışıyor_ = false;
};

}  // namespace selvika
