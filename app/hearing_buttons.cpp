#include "app/hearing_buttons.h"

#include <QGridLayout>
#include <QProgressBar>
#include <QPushButton>
#include <memory>

#include "app/bitrate_list.h"
#include "app/midi_window.h"
#include "app/playback_controls.h"
#include "app/render_button.h"
#include "audio/midi_devices.h"
#include "audio/midi_file.h"
#include "audio/midi_playing.h"
#include "audio/mp3_export.h"

namespace selvika {

DinlemeDüğmeleri::DinlemeDüğmeleri(SeslendirmeDüğmesi& sazKaydet, ÇalmaDüğmeleri& çalma, Etkileşim& etkileşim,
                                   const std::filesystem::path& programKlasörü, QWidget* üst)
    : QWidget(üst), sazKaydet_(sazKaydet), çalma_(çalma), etkileşim_(etkileşim), programKlasörü_(programKlasörü) {
    auto* ızgara = new QGridLayout(this);
    ızgara->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* ad;
        const char* yazı;
        void (DinlemeDüğmeleri::*komut)();
    } düğmeler[] = {
        {"But_SolfejKaydet", "Solfej", &DinlemeDüğmeleri::But_SolfejKaydet_Click},
        {"But_BonaKaydet", "Bona", &DinlemeDüğmeleri::But_BonaKaydet_Click},
        {"But_Diske_MP3", "MP3", &DinlemeDüğmeleri::But_Diske_MP3_Click},
        {"But_MidiKaydet", "Midi", &DinlemeDüğmeleri::But_MidiKaydet_Click},
        {"But_MidiDosyası", "MIDI dosyası olarak kaydet", &DinlemeDüğmeleri::But_MidiDosyası_Click},
        {"But_Akort", "Akort", &DinlemeDüğmeleri::But_Akort_Click},
    };
    int sütun = 0;
    for (const auto& d : düğmeler) {
        auto* düğme = new QPushButton(QString::fromUtf8(d.yazı), this);
        düğme->setObjectName(d.ad);
        ızgara->addWidget(düğme, 0, sütun++);
        connect(düğme, &QPushButton::clicked, this, [this, komut = d.komut] { (this->*komut)(); });
    }
    mp3İlerlemesi_ = new QProgressBar(this);
    mp3İlerlemesi_->setObjectName("MP3İlerlemesi");
    mp3İlerlemesi_->setRange(0, 100);
    mp3İlerlemesi_->hide();
    ızgara->addWidget(mp3İlerlemesi_, 1, 0, 1, sütun);
}

void DinlemeDüğmeleri::But_Akort_Click() { çalma_.akortAç(programKlasörü_, sazKaydet_.çarpanlar()); }

void DinlemeDüğmeleri::heceleriÇal(HeceKipi kip) {
    const auto iş = sazKaydet_.işiHazırla();
    if (!iş) return;
    std::optional<double> süre;
    sazKaydet_.işçide([&](İcraOrtamı& ortam) {
        süre = heceleriSeslendir(kip, iş->başlık, iş->notalar, iş->seçili, programKlasörü_, iş->çıktı,
                                 ortam.etkileşim);
    });
    if (süre) çalma_.çal(iş->çıktı, *süre);
}

// The output file as an MP3 file of the same name, at a bit rate the user
// picks from what the encoder offers.
void DinlemeDüğmeleri::But_Diske_MP3_Click() {
    const auto iş = sazKaydet_.işiHazırla();
    if (!iş || !pcmWavMı(iş->çıktı, etkileşim_)) return;
    const std::vector<int> hızlar = mp3BitHızları();
    if (hızlar.empty()) {
        etkileşim_.mesaj(kodlayıcıYok);
        return;
    }
    if (const auto hız = bitHızıSeç(hızlar, window())) mp3eDönüştür(iş->çıktı, *hız);
}

void DinlemeDüğmeleri::mp3eDönüştür(const std::filesystem::path& kaynak, int bitHızı) {
    auto hedef = kaynak;
    hedef.replace_extension(".mp3");
    mp3İlerlemesi_->setValue(0);
    mp3İlerlemesi_->show();
    sazKaydet_.işçide([&](İcraOrtamı& ortam) {
        const auto ilerleme = [this](int yüzde) {
            QMetaObject::invokeMethod(mp3İlerlemesi_, [this, yüzde] { mp3İlerlemesi_->setValue(yüzde); },
                                      Qt::QueuedConnection);
        };
        mp3Yaz(kaynak, hedef, bitHızı, ortam.etkileşim, ilerleme, ortam.durdurma);
    });
    mp3İlerlemesi_->hide();
}

void DinlemeDüğmeleri::But_MidiKaydet_Click() {
    const auto iş = sazKaydet_.işiHazırla();
    if (!iş) return;
    if (iş->seçili.empty()) {
        etkileşim_.mesaj(seçilmişPasajYok);
        return;
    }
    auto* pencere = new MidiPenceresi(std::make_unique<MidiAygıtları>(),
                                      midiOlayları(iş->başlık, iş->notalar, iş->seçili), etkileşim_, window());
    pencere->setAttribute(Qt::WA_DeleteOnClose);
    pencere->open();
}

void DinlemeDüğmeleri::But_MidiDosyası_Click() {
    const auto iş = sazKaydet_.işiHazırla();
    if (!iş) return;
    auto önerilen = iş->çıktı.filename();
    önerilen.replace_extension(".mid");
    const auto hedef =
        etkileşim_.kaydedilecekDosya({"MIDI dosyaları|*.mid||", "mid", iş->çıktı.parent_path(), önerilen.string()});
    if (hedef) midiDosyasıYaz(iş->başlık, iş->notalar, iş->seçili, programKlasörü_, *hedef, etkileşim_);
}

}  // namespace selvika
