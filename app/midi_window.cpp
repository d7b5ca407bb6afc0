#include "app/midi_window.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace selvika {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

MidiPenceresi::MidiPenceresi(std::unique_ptr<MidiAygıtSeçimi> aygıtlar, std::vector<MidiOlayı> olaylar,
                             Etkileşim& etkileşim, QWidget* ebeveyn)
    : QDialog(ebeveyn), aygıtlar_(std::move(aygıtlar)), olaylar_(std::move(olaylar)), etkileşim_(etkileşim) {
    setWindowTitle("Selvika - Midi");
    aygıtListesi_ = new QComboBox(this);
    aygıtListesi_->setObjectName("MidiAygıtları");
    for (const std::string& ad : aygıtlar_->adlar()) aygıtListesi_->addItem(QString::fromStdString(ad));
    sesListesi_ = new QComboBox(this);
    sesListesi_->setObjectName("MidiSesleri");
    for (const MidiSesAdı& s : midiSesleri) sesListesi_->addItem(qs(s.ad));
    auto* çal = new QPushButton("Çal", this);
    çal->setObjectName("yürüt");
    auto* dur = new QPushButton("Durdur", this);
    dur->setObjectName("durdur");
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addWidget(çal);
    düğmeler->addWidget(dur);
    auto* düzen = new QVBoxLayout(this);
    düzen->addWidget(new QLabel("Çıkış:", this));
    düzen->addWidget(aygıtListesi_);
    düzen->addWidget(new QLabel("Ses:", this));
    düzen->addWidget(sesListesi_);
    düzen->addLayout(düğmeler);
    zamanlayıcı_.setSingleShot(true);
    connect(&zamanlayıcı_, &QTimer::timeout, this, [this] { ilerle(); });
    connect(çal, &QPushButton::clicked, this, [this] { yürüt(); });
    connect(dur, &QPushButton::clicked, this, [this] { durdur(); });
    connect(aygıtListesi_, &QComboBox::activated, this, [this](int i) { aygıtAç(i); });
    connect(sesListesi_, &QComboBox::activated, this, [this](int i) { sesSeç(i); });
    aygıtAç(0);
}

MidiPenceresi::~MidiPenceresi() { durdur(); }

void MidiPenceresi::aygıtAç(int sıra) {
    durdur();
    if (auto hata = aygıtlar_->aç(sıra)) {
        etkileşim_.mesaj(*hata);
        return;
    }
    aygıtlar_->port()->gönder(perdeBük(0, 8192));
    sesSeç(sesListesi_->currentIndex());
}

void MidiPenceresi::sesSeç(int sıra) {
    if (MidiPortu* port = aygıtlar_->port())
        port->gönder(programDeğiştir(0, midiSesleri[static_cast<std::size_t>(sıra)].program));
}

void MidiPenceresi::yürüt() {
    durdur();
    MidiPortu* port = aygıtlar_->port();
    if (!port) return;
    yürütücü_ = std::make_unique<MidiYürütücü>(*port, olaylar_);
    saat_.start();
    ilerle();
}

void MidiPenceresi::ilerle() {
    if (!yürütücü_) return;
    if (auto bekle = yürütücü_->ilerle(static_cast<long>(saat_.elapsed())))
        zamanlayıcı_.start(static_cast<int>(*bekle));
    else
        yürütücü_.reset();
}

void MidiPenceresi::durdur() {
    zamanlayıcı_.stop();
    if (yürütücü_) yürütücü_->durdur();
    yürütücü_.reset();
}

void MidiPenceresi::changeEvent(QEvent* olay) {
    // Another program may want the device while this window is not in use.
    if (olay->type() == QEvent::ActivationChange) {
        if (isActiveWindow() && !aygıtlar_->port()) aygıtAç(aygıtListesi_->currentIndex());
        if (!isActiveWindow()) {
            durdur();
            aygıtlar_->kapat();
        }
    }
    QDialog::changeEvent(olay);
}

void MidiPenceresi::done(int sonuç) {
    durdur();
    aygıtlar_->kapat();
    QDialog::done(sonuç);
}

}  // namespace selvika
