#include "app/page_view.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "app/line_drawing.h"
#include "app/lyric_block_dialog.h"
#include "app/lyric_block_label.h"
#include "app/qt_paths.h"
#include "app/title_dialog.h"
#include "core/titles.h"
#include "lyrics/lyric_blocks.h"
#include "render/glyph_source.h"
#include "render/page_geometry.h"
#include "render/engraved_page_painter.h"
#include "render/page_painter.h"
#include "render/score_strip.h"

namespace selvika {

// One page, composed by the page records or as the print layout engraves it.
class SayfaAlanı : public QWidget {
public:
    SayfaAlanı(EserOturumu& oturum, Etkileşim& etkileşim, QWidget* üst)
        : QWidget(üst), oturum_(oturum), etkileşim_(etkileşim) {
        setFixedSize(sayfaGenişliği, sayfaYüksekliği);
    }
    int sayfa = 1;
    SayfaDüzeni düzen = SayfaDüzeni::sayfaKayıtları;
    bool kısaSatırlarBirleşir = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter ressam(this);
        ressam.fillRect(rect(), Qt::white);
        const GlifKaynağı* glifler = programGlifleri();
        if (!glifler) return;
        const Eser& eser = oturum_.eser();
        ÇizimOrtamı ortam{*glifler, eser.başlık, etkileşim_, true};
        ortam.kısaSatırlarBirleşir = kısaSatırlarBirleşir;
        if (düzen == SayfaDüzeni::baskı) baskıSayfasıÇiz(ressam, eser, baskıSayfaları(eser, ortam), sayfa, ortam);
        else sayfaÇiz(ressam, eser, sayfa, ortam);
    }

private:
    EserOturumu& oturum_;
    Etkileşim& etkileşim_;
};

// The strip, each band drawn when it first comes into view.
class ŞeritAlanı : public QWidget {
public:
    ŞeritAlanı(const TembelŞerit& şerit, std::function<void(QRect)> göster, QWidget* üst)
        : QWidget(üst), şerit_(şerit), göster_(std::move(göster)) {}
    void boyutla() {
        setFixedSize(şerit_.resim().size());
        update();
    }

protected:
    void paintEvent(QPaintEvent* olay) override {
        göster_(olay->rect());
        QPainter(this).drawImage(olay->rect(), şerit_.resim(), olay->rect());
    }

private:
    const TembelŞerit& şerit_;
    std::function<void(QRect)> göster_;
};

namespace {

QSlider* sürgü(const char* ad, int enAz, int enÇok, QWidget* üst) {
    auto* s = new QSlider(Qt::Horizontal, üst);
    s->setObjectName(ad);
    s->setRange(enAz, enÇok);
    return s;
}

// The labels of the page are made anew whenever the page changes.
void sil(std::vector<SayfaEtiketi*>& etiketler) {
    for (SayfaEtiketi* etiket : etiketler) etiket->deleteLater();  // a label's own double click may be running
    etiketler.clear();
}

QScrollArea* kaydırmalı(QWidget* içerik, QWidget* üst) {
    auto* alan = new QScrollArea(üst);
    alan->setWidget(içerik);
    alan->setBackgroundRole(QPalette::Dark);
    return alan;
}

}  // namespace

SayfaGörünümü::SayfaGörünümü(EserOturumu& oturum, Etkileşim& etkileşim, QWidget* üst)
    : QWidget(üst, Qt::Window), oturum_(oturum), etkileşim_(etkileşim) {
    setObjectName("Sayfa");
    setWindowTitle("Sayfa");
    şeritResmi_ = new ŞeritAlanı(şerit_, [this](QRect alan) {
        şeritteÇiz([&](const Eser& eser, const ÇizimOrtamı& ortam) {
            şerit_.göster(alan.top(), alan.bottom(), eser, ortam);
        });
    }, this);
    şeritBoşta_ = new QTimer(this);
    connect(şeritBoşta_, &QTimer::timeout, this, [this] {
        bool kalan = false;
        şeritteÇiz([&](const Eser& eser, const ÇizimOrtamı& ortam) { kalan = şerit_.sıradakiniÇiz(eser, ortam); });
        if (!kalan) şeritBoşta_->stop();
        şeritResmi_->update();
    });
    şeritResmi_->setObjectName(QString::fromUtf8("Şerit"));
    şeritResmi_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(şeritResmi_, &QWidget::customContextMenuRequested, this, [this](QPoint yer) {
        if (şeritMenüsü) şeritMenüsü(bantSatırı(yer.y()), şeritResmi_->mapToGlobal(yer));
    });
    alan_ = new SayfaAlanı(oturum_, etkileşim_, this);
    sayfaNo_ = new QSpinBox(this);
    sayfaNo_->setObjectName("SayfaNo");
    sayfaNo_->setRange(1, sayfaSayısı);
    seviye_ = sürgü("SeviyeSürgüsü", 0, sayfaYüksekliği, this);
    yoğunluk_ = sürgü("YoğunlukSürgüsü", 20, 255, this);
    auto* ayarlar = new QFormLayout;
    ayarlar->addRow("Sayfa", sayfaNo_);
    ayarlar->addRow("Seviye", seviye_);
    ayarlar->addRow("Yoğunluk", yoğunluk_);
    auto* başlıklar = new QPushButton(QString::fromUtf8("Başlıklar"), this);
    başlıklar->setObjectName("But_başlıklar");
    ayarlar->addRow(başlıklar);
    baskı_ = new QCheckBox(QString::fromUtf8("Baskı düzeni"), this);
    baskı_->setObjectName(QString::fromUtf8("BaskıDüzeni"));
    ayarlar->addRow(baskı_);
    birleştir_ = new QCheckBox(QString::fromUtf8("Kısa satırları birleştir"), this);
    birleştir_->setObjectName(QString::fromUtf8("KısaSatırlarıBirleştir"));
    ayarlar->addRow(birleştir_);
    auto* sağ = new QVBoxLayout;
    sağ->addLayout(ayarlar);
    sağ->addWidget(kaydırmalı(alan_, this), 1);
    auto* düzen = new QHBoxLayout(this);
    düzen->addWidget(kaydırmalı(şeritResmi_, this));
    düzen->addLayout(sağ, 1);
    connect(sayfaNo_, &QSpinBox::valueChanged, this, [this] { SayfaYaz(false); });
    connect(başlıklar, &QPushButton::clicked, this, [this] { başlıklarıAç(1); });
    for (QCheckBox* k : {baskı_, birleştir_}) connect(k, &QCheckBox::toggled, this, [this] { SayfaYaz(false); });
    for (QSlider* s : {seviye_, yoğunluk_}) connect(s, &QSlider::valueChanged, this, [this] { sürgüDeğişti(); });
    resize(1280, 900);
}

int SayfaGörünümü::sayfa() const { return sayfaNo_->value(); }

void SayfaGörünümü::şeritteÇiz(const std::function<void(const Eser&, const ÇizimOrtamı&)>& çiz) {
    const GlifKaynağı* glifler = programGlifleri();
    if (!glifler) return;
    const Eser& eser = oturum_.eser();
    çiz(eser, {*glifler, eser.başlık, etkileşim_, true});
}

void SayfaGörünümü::SayfaYaz(bool şeritYenile) {
    if (şeritYenile) {
        şerit_.başla(oturum_.eser());
        şeritResmi_->boyutla();
        şeritBoşta_->start(0);
    }
    const Sayfa& kayıt = oturum_.eser().başlık.sayfalar[sayfa()];
    yükleniyor_ = true;
    seviye_->setValue(kayıt.seviye);
    yoğunluk_->setValue(kayıt.yoğunluk);
    yükleniyor_ = false;
    alan_->sayfa = sayfa();
    // The print layout places titles and blocks itself: their labels, which
    // move them on the page records' pages, and the sliders rest.
    const bool baskı = baskı_->isChecked();
    alan_->düzen = baskı ? SayfaDüzeni::baskı : SayfaDüzeni::sayfaKayıtları;
    alan_->kısaSatırlarBirleşir = birleştir_->isChecked();
    for (QSlider* s : {seviye_, yoğunluk_}) s->setEnabled(!baskı);
    birleştir_->setEnabled(baskı);
    güfte_hazırla();
    başlık_hazırla();
    alan_->update();
}

// A label stores each step of its drag and the page follows; letting it go
// marks the score changed.
void SayfaGörünümü::etiketiBağla(SayfaEtiketi& etiket, std::function<void(QPoint)> sakla) {
    etiket.taşındı = [this, sakla = std::move(sakla)](QPoint solÜst) {
        sakla(solÜst);
        alan_->update();
    };
    etiket.bırakıldı = [this] { oturum_.değişikliğiBildir(); };
    etiket.show();
}

// The labels of the blocks printed on the current page.
void SayfaGörünümü::güfte_hazırla() {
    sil(güfteEtiketleri_);
    if (baskı_->isChecked()) return;
    const Eser& eser = oturum_.eser();
    for (int n = 1; n <= güfteBloğuSayısı; ++n) {
        if (eser.başlık.güfteBlokları[n].sayfa != sayfa()) continue;
        auto* etiket = new GüfteEtiketi(n, güfteAlanı(eser, n).toAlignedRect(), alan_);
        etiketiBağla(*etiket, [this, n](QPoint solÜst) {
            oturum_.eser().başlık.güfteYerleri[n] = {.x = static_cast<Integer>(solÜst.x()),
                                                     .y = static_cast<Integer>(solÜst.y())};
        });
        etiket->açıldı = [this, n] { güfteyiAç(n); };
        güfteEtiketleri_.push_back(etiket);
    }
}

// Titles keep their alignment, so a centred title stays centred when its
// text or font changes: a drag moves only the title's y on this page.
void SayfaGörünümü::başlık_hazırla() {
    sil(başlıkEtiketleri_);
    if (baskı_->isChecked()) return;
    const Eser& eser = oturum_.eser();
    for (int t = 1; t <= başlıkSayısı; ++t) {
        if (eser.başlık.başlıklar[t].metin.blank()) continue;
        auto* etiket = new SayfaEtiketi(başlıkAlanı(eser, sayfa(), t).toAlignedRect(), Qt::Vertical, alan_);
        etiket->setObjectName(QStringLiteral("BaşlıkEtiketi%1").arg(t));
        etiket->setToolTip(qtMetin(başlıkAdı(t)));
        etiketiBağla(*etiket, [this, t](QPoint solÜst) {
            başlıkYüksekliğiniYaz(oturum_.eser().başlık, sayfa(), t, solÜst.y());
        });
        etiket->açıldı = [this, t] { başlıklarıAç(t); };
        başlıkEtiketleri_.push_back(etiket);
    }
}

void SayfaGörünümü::başlıklarıAç(int t) {
    BaşlıkDiyaloğu diyalog(oturum_.eser().başlık, sayfa(), t, this);
    if (diyalog.exec() != QDialog::Accepted) return;
    oturum_.değişikliğiBildir();
    SayfaYaz(false);
}

void SayfaGörünümü::güfteyiAç(int n) {
    GüfteDiyaloğu diyalog(oturum_.eser().başlık, n, this);
    if (diyalog.exec() != QDialog::Accepted) return;
    oturum_.değişikliğiBildir();
    SayfaYaz(false);
}

void SayfaGörünümü::satırıYenile(int satır) {
    if (satır < 1) return;
    şeritteÇiz([&](const Eser& eser, const ÇizimOrtamı& ortam) { şerit_.yenile(satır, eser, ortam); });
    şeritResmi_->boyutla();
    alan_->update();
}

// The sliders move the page's first line and the distance between lines.
void SayfaGörünümü::sürgüDeğişti() {
    if (yükleniyor_) return;
    Sayfa& kayıt = oturum_.eser().başlık.sayfalar[sayfa()];
    kayıt.seviye = static_cast<Integer>(seviye_->value());
    kayıt.yoğunluk = static_cast<Byte>(std::clamp(yoğunluk_->value(), 0, 255));
    oturum_.değişikliğiBildir();
    alan_->update();
}

}  // namespace selvika
