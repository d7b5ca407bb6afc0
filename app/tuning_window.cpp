#include "app/tuning_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "audio/instruments.h"
#include "audio/mp3_export.h"
#include "audio/playback.h"
#include "audio/plan_captions.h"
#include "audio/tuning_preview.h"
#include "audio/wav_file.h"
#include "pitch/degrees.h"

namespace selvika {
namespace {

inline constexpr std::string_view dekoderHatası = "Dekoder  hatası";

// The instruments with recordings, in the order of their buttons.
constexpr int kayıtlıSazlar[] = {saz::kanun,   saz::ud,     saz::tanbur,          saz::kemençe, saz::keman,
                                 saz::çello,   saz::klarnet, saz::çelloPizzicato, saz::bağlama};

constexpr const char* ayarYazıları[] = {"−1 koma", "−1/5 koma", "+1/5 koma", "+1 koma"};

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QPushButton* düğme(const QString& yazı, const QString& ad, QWidget* ebeveyn) {
    auto* d = new QPushButton(yazı, ebeveyn);
    d->setObjectName(ad);
    d->setAutoDefault(false);
    return d;
}

}  // namespace

AkortPenceresi::AkortPenceresi(std::filesystem::path klasör, AkortÇarpanları& çarpanlar, SesÇıkışı& çıkış,
                               Etkileşim& etkileşim, QWidget* ebeveyn)
    : QDialog(ebeveyn), klasör_(std::move(klasör)), çarpanlar_(çarpanlar), çıkış_(çıkış), etkileşim_(etkileşim),
      saz_(saz::kanun) {
    setWindowTitle("Selvika - Akord");
    auto* perdeler = new QVBoxLayout;
    perdeler->setSpacing(1);
    for (int b = 1; b <= kayıtlıPerdeSayısı; ++b) {
        auto* d = düğme(qs(perdeAdı(b)), QString("But_Perde_%1").arg(b), this);
        connect(d, &QPushButton::clicked, this, [this, b] { perdeSeç(b); });
        perdeler->addWidget(d);
    }
    auto* sazlar = new QGridLayout;
    int sıra = 0;
    for (int i : kayıtlıSazlar) {
        auto* d = düğme(qs(sazAdı(Text<5>(sazKodu(i)))), QString("But_Saz_%1").arg(i), this);
        connect(d, &QPushButton::clicked, this, [this, i] { sazSeç(i); });
        sazlar->addWidget(d, sıra / 3, sıra % 3);
        ++sıra;
    }
    auto* ayarlar = new QHBoxLayout;
    for (int k = 1; k <= 4; ++k) {
        auto* d = düğme(ayarYazıları[k - 1], QString("But_Ayar_%1").arg(k), this);
        connect(d, &QPushButton::clicked, this, [this, k] { ayarla(k); });
        ayarlar->addWidget(d);
    }
    auto* dur = düğme("Durdur", "But_AkordDurdur", this);
    connect(dur, &QPushButton::clicked, this, [this] { durdur(); });
    durum_ = new QLabel(this);
    durum_->setObjectName("AkordDurumu");
    auto* sağ = new QVBoxLayout;
    sağ->addLayout(sazlar);
    sağ->addWidget(durum_);
    sağ->addLayout(ayarlar);
    sağ->addWidget(dur);
    sağ->addStretch();
    auto* düzen = new QHBoxLayout(this);
    düzen->addLayout(perdeler);
    düzen->addLayout(sağ);
    yazıyıGüncelle();
}

AkortPenceresi::~AkortPenceresi() {
    çıkış_.kapat();
    std::error_code yok;
    std::filesystem::remove(önizlemeDosyası(), yok);
}

AkortPenceresi* AkortPenceresi::aç(std::filesystem::path klasör, AkortÇarpanları& çarpanlar, SesÇıkışı& çıkış,
                        Etkileşim& etkileşim, QWidget* ebeveyn) {
    if (mp3BitHızları().empty()) {
        etkileşim.mesaj(dekoderHatası);
        return nullptr;
    }
    auto* pencere = new AkortPenceresi(std::move(klasör), çarpanlar, çıkış, etkileşim, ebeveyn);
    pencere->setAttribute(Qt::WA_DeleteOnClose);
    pencere->open();
    return pencere;
}

void AkortPenceresi::done(int sonuç) {
    durdur();
    QDialog::done(sonuç);
}

void AkortPenceresi::sazSeç(int düğme) {
    durdur();
    saz_ = akortSazı(düğme);
    yazıyıGüncelle();
}

void AkortPenceresi::perdeSeç(int b) {
    durdur();
    perde_ = b;
    yazıyıGüncelle();
    önizle();
}

void AkortPenceresi::ayarla(int düğme) {
    çarpanlar_.ayarla(saz_, perde_, ayarAdımı(düğme));
    yazıyıGüncelle();
    önizle();
}

void AkortPenceresi::önizle() {
    const auto örnekler = akortÖnizlemesi(klasör_, saz_, perde_, çarpanlar_, etkileşim_);
    if (!örnekler) return;
    try {
        WavÇıktısı wav(önizlemeDosyası());
        wav.ekle(*örnekler);
        if (!wav.bitir(etkileşim_)) return;
    } catch (const DosyaHatası& h) {
        etkileşim_.mesaj(h.what());
        return;
    }
    çıkış_.kapat();
    if (çıkış_.aç(önizlemeDosyası())) çıkış_.çal(0);
}

void AkortPenceresi::durdur() { çıkış_.kapat(); }

// The instrument, the perde and how far its recording is moved, in fifths
// of a koma.
void AkortPenceresi::yazıyıGüncelle() {
    const auto beşte = std::lround(265 * std::log2(double{çarpanlar_(saz_, perde_)}));
    durum_->setText(QString("%1 · %2 : %3%4/5 koma")
                        .arg(qs(sazAdı(Text<5>(sazKodu(saz_)))), qs(perdeAdı(perde_)), beşte > 0 ? "+" : "")
                        .arg(beşte));
}

}  // namespace selvika
