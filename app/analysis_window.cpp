#include "app/analysis_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/score_key_signature.h"
#include "app/histogram_view.h"
#include "app/qt_paths.h"
#include "app/signature_preview.h"
#include "render/histogram_painter.h"

namespace selvika {
namespace {

QPushButton* ötelemeDüğmesiYap(int düğme, QWidget* üst) {
    auto* b = new QPushButton(qtMetin(ötelemeDüğmesiYazısı(düğme)), üst);
    b->setObjectName(QString("Command1_%1").arg(düğme));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

AnalizPenceresi* AnalizPenceresi::aç(const Eser& eser, const GlifSayfası& glifler, Etkileşim& etkileşim,
                                     std::filesystem::path klasör, QWidget* üst) {
    if (!analizAçılır(eser, etkileşim)) return nullptr;
    auto* pencere = new AnalizPenceresi(eser, glifler, etkileşim, std::move(klasör), üst);
    pencere->show();
    return pencere;
}

AnalizPenceresi::AnalizPenceresi(const Eser& eser, const GlifSayfası& glifler, Etkileşim& etkileşim,
                                 std::filesystem::path klasör, QWidget* üst)
    : QDialog(üst), etkileşim_(etkileşim), klasör_(std::move(klasör)), sayım_(perdeleriSay(eser)) {
    setObjectName("Analiz");
    setWindowTitle(QString::fromUtf8("Eserin içerdiği notaların analizi "));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* düzen = new QVBoxLayout(this);
    PicAnalizAdet_ = new HistogramGörünümü(sayım_, HistogramTürü::adet, this);
    PicAnalizSüre_ = new HistogramGörünümü(sayım_, HistogramTürü::süre, this);
    düzen->addWidget(PicAnalizAdet_, 1);
    düzen->addWidget(PicAnalizSüre_, 1);
    auto* alt = new QHBoxLayout;
    alt->addWidget(düğmeleriKur());
    const EserDonanımı donanım = eserDonanımı(eser);
    eski_ = eskiDonanım(donanım, eser.başlık.donanım);
    if (eski_) alt->addWidget(donanımlarıKur(glifler), 0, Qt::AlignTop);
    alt->addStretch(1);
    düzen->addLayout(alt);
    resize(1200, 740);
    donanımıBildir(donanım, etkileşim_);
}

// The ±1 buttons either side of the shift label, the named amounts under
// them, and the PNG export.
QWidget* AnalizPenceresi::düğmeleriKur() {
    auto* kutu = new QGroupBox(QString::fromUtf8("Öteleme"), this);
    auto* ızgara = new QGridLayout(kutu);
    ötelemeEtiketi_ = new QLabel(qtMetin(ötelemeAdı(0)), kutu);
    ötelemeEtiketi_->setObjectName("ötelemeEtiketi");
    ötelemeEtiketi_->setAlignment(Qt::AlignCenter);
    QFont kalın = ötelemeEtiketi_->font();
    kalın.setBold(true);
    kalın.setPointSizeF(kalın.pointSizeF() * 1.3);
    ötelemeEtiketi_->setFont(kalın);
    ızgara->addWidget(ötelemeDüğmesiYap(1, kutu), 0, 0);
    ızgara->addWidget(ötelemeEtiketi_, 0, 1);
    ızgara->addWidget(ötelemeDüğmesiYap(2, kutu), 0, 2);
    ızgara->addWidget(ötelemeDüğmesiYap(3, kutu), 1, 0, 1, 3);
    for (int düğme = 4; düğme <= ötelemeDüğmesiSayısı; ++düğme) {
        const int sıra = düğme - 4;
        const bool solda = sıra % 2 == 0;  // the right one spans the label's column too
        ızgara->addWidget(ötelemeDüğmesiYap(düğme, kutu), 2 + sıra / 2, solda ? 0 : 1, 1, solda ? 1 : 2);
    }
    for (int düğme = 1; düğme <= ötelemeDüğmesiSayısı; ++düğme)
        connect(kutu->findChild<QPushButton*>(QString("Command1_%1").arg(düğme)), &QPushButton::clicked, this,
                [this, düğme] { Command1_Click(düğme); });
    auto* kaydet = new QPushButton(QString::fromUtf8("Histogramları PNG olarak kaydet"), kutu);
    kaydet->setObjectName("But_ResimKaydet");
    kaydet->setAutoDefault(false);
    connect(kaydet, &QPushButton::clicked, this, [this] { resmiKaydet(); });
    ızgara->addWidget(kaydet, 6, 0, 1, 3);
    return kutu;
}

// The score's signature and the one the shifted level needs, side by side.
QWidget* AnalizPenceresi::donanımlarıKur(const GlifSayfası& glifler) {
    auto* kutu = new QWidget(this);
    auto* sıra = new QHBoxLayout(kutu);
    auto önizleme = [&](const char* başlık, const char* ad) {
        auto* çerçeve = new QGroupBox(QString::fromUtf8(başlık), kutu);
        auto* iç = new QVBoxLayout(çerçeve);
        auto* resim = new DonanımÖnizlemesi(glifler, çerçeve);
        resim->setObjectName(ad);
        resim->göster(*eski_);
        iç->addWidget(resim);
        sıra->addWidget(çerçeve);
        return resim;
    };
    önizleme("Eserin donanımı", "EskiDonanım");
    yeniDonanım_ = önizleme("Ötelenmiş donanım", "YeniDonanım");
    return kutu;
}

void AnalizPenceresi::Command1_Click(int düğme) {
    öteleme_ = ötelemeDüğmesi(düğme, öteleme_);
    PicAnalizAdet_->ötele(öteleme_);
    PicAnalizSüre_->ötele(öteleme_);
    ötelemeEtiketi_->setText(qtMetin(ötelemeAdı(öteleme_)));
    if (eski_ && donanımıYeniler(düğme)) yeniDonanım_->göster(yeniDonanım(*eski_, öteleme_));
}

// Both histograms at the current shift, one picture.
void AnalizPenceresi::resmiKaydet() {
    const auto yol = etkileşim_.kaydedilecekDosya({"PNG resimleri|*.png||", "png", klasör_, "analiz.png"});
    if (!yol) return;
    if (!histogramResmi(sayım_, öteleme_).save(qtYol(*yol), "PNG")) etkileşim_.mesaj("resim kaydedilemedi");
}

}  // namespace selvika
