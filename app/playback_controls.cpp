#include "app/playback_controls.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <cmath>

#include "app/tuning_window.h"
#include "audio/portaudio_output.h"

namespace selvika {
namespace {

constexpr int ilerlemeAdımı = 1000;  // of the bar's whole width
constexpr int ilerlemeAralığıMs = 100;

QPushButton* düğme(const char* ad, const char* yazı, QWidget* üst) {
    auto* d = new QPushButton(QString::fromUtf8(yazı), üst);
    d->setObjectName(ad);
    return d;
}

}  // namespace

ÇalmaDüğmeleri::ÇalmaDüğmeleri(std::unique_ptr<SesÇıkışı> çıkış, Etkileşim& etkileşim, QWidget* üst)
    : QWidget(üst),
      çıkış_(çıkış ? std::move(çıkış) : std::make_unique<PortAudioÇıkışı>()),
      etkileşim_(etkileşim),
      bitiş_([this] { but_eser_stop_Click(); }),
      çalıcı_(*çıkış_, bitiş_) {
    setObjectName("ÇalmaDüğmeleri");
    auto* düzen = new QHBoxLayout(this);
    düzen->setContentsMargins(0, 0, 0, 0);
    başlat_ = düğme("but_eser_start", "Çal", this);
    duraklat_ = düğme("but_eser_pause", "Duraklat", this);
    durdur_ = düğme("but_eser_stop", "Durdur", this);
    çubuk_ = new QProgressBar(this);
    çubuk_->setObjectName("Çalmaİlerlemesi");
    çubuk_->setRange(0, ilerlemeAdımı);
    çubuk_->setTextVisible(false);
    düzen->addWidget(başlat_);
    düzen->addWidget(duraklat_);
    düzen->addWidget(durdur_);
    düzen->addWidget(çubuk_);
    connect(başlat_, &QPushButton::clicked, this, [this] { but_eser_start_Click(); });
    connect(duraklat_, &QPushButton::clicked, this, [this] { but_eser_pause_Click(); });
    connect(durdur_, &QPushButton::clicked, this, [this] { but_eser_stop_Click(); });
    connect(&ilerlemeZamanı_, &QTimer::timeout, this,
            [this] { çubuk_->setValue(static_cast<int>(std::lround(çalıcı_.ilerleme() * ilerlemeAdımı))); });
    düğmeleriGüncelle();
}

// The tuning window plays on this output: it goes before the output does.
ÇalmaDüğmeleri::~ÇalmaDüğmeleri() {
    delete akort_;
    çalıcı_.durdur();
}

void ÇalmaDüğmeleri::çal(const std::filesystem::path& dosya, double süreMs) {
    dosya_ = dosya;
    süreMs_ = süreMs;
    if (!çıkış_->aygıtVar()) {
        if (!aygıtYokDendi_) etkileşim_.ikazYaz(sesAygıtıYok);
        aygıtYokDendi_ = true;
        return;
    }
    but_eser_start_Click();
}

void ÇalmaDüğmeleri::but_eser_start_Click() {
    if (dosya_.empty() || !çıkış_->aygıtVar()) return;
    çalıcı_.başlat(dosya_, süreMs_);
    çubuk_->setValue(0);
    ilerlemeZamanı_.start(ilerlemeAralığıMs);
    düğmeleriGüncelle();
}

void ÇalmaDüğmeleri::but_eser_pause_Click() {
    çalıcı_.duraklatVeyaSürdür();
    düğmeleriGüncelle();
}

void ÇalmaDüğmeleri::but_eser_stop_Click() {
    çalıcı_.durdur();
    ilerlemeZamanı_.stop();
    düğmeleriGüncelle();
}

void ÇalmaDüğmeleri::akortAç(const std::filesystem::path& klasör, AkortÇarpanları& çarpanlar) {
    but_eser_stop_Click();
    akort_ = AkortPenceresi::aç(klasör, çarpanlar, *çıkış_, etkileşim_, window());
}

void ÇalmaDüğmeleri::düğmeleriGüncelle() {
    const ÇalmaDurumu durum = çalıcı_.durum();
    başlat_->setEnabled(durum == ÇalmaDurumu::durmuş && !dosya_.empty() && çıkış_->aygıtVar());
    duraklat_->setEnabled(durum != ÇalmaDurumu::durmuş);
    durdur_->setEnabled(durum != ÇalmaDurumu::durmuş);
    duraklat_->setText(QString::fromUtf8(durum == ÇalmaDurumu::duraklamış ? "Sürdür" : "Duraklat"));
    çubuk_->setVisible(durum != ÇalmaDurumu::durmuş);
}

}  // namespace selvika
