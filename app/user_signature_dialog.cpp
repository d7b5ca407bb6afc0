#include "app/user_signature_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/qt_paths.h"
#include "app/signature_preview.h"
#include "pitch/key_signatures.h"

namespace selvika {
namespace {

constexpr const char* harfAdları[harfSayısı] = {"sol", "fa", "mi", "re", "do", "si", "la"};

constexpr std::size_t yeri(Harf harf) { return static_cast<std::size_t>(harf); }

}  // namespace

donanım::donanım(EserOturumu& oturum, const GlifSayfası& glifler, QWidget* üst) : QDialog(üst), oturum_(oturum) {
    setObjectName("donanım");
    setWindowTitle(QString::fromUtf8("Kullanıcı tanımlı donanım"));
    auto* düzen = new QVBoxLayout(this);
    önizleme_ = new DonanımÖnizlemesi(glifler, this);
    düzen->addWidget(önizleme_, 0, Qt::AlignHCenter);
    auto* sıra = new QHBoxLayout;
    sütunlarıKur(*sıra);
    düzen->addLayout(sıra);
    düğmeleriKur(*düzen);
    const KullanıcıDonanımı& kayıt = oturum_.eser().başlık.donanım;
    if (kayıt.işaret.codePage() == "*")
        for (std::size_t i = 0; i < harfSayısı; ++i) çubuklar_[i]->setValue(-kayıt.değerler[i]);
    önizleme_->göster(değerler());
}

void donanım::sütunlarıKur(QHBoxLayout& sıra) {
    for (std::size_t i = 0; i < harfSayısı; ++i) {
        auto* sütun = new QVBoxLayout;
        auto* çubuk = new QScrollBar(Qt::Vertical, this);
        çubuk->setObjectName(QString("VScroll_") + harfAdları[i]);
        çubuk->setRange(-enBüyükArıza, enBüyükArıza);
        çubuk->setPageStep(1);
        çubuk->setMinimumHeight(140);
        auto* kutu = new QLineEdit("0", this);
        kutu->setObjectName(QString("Text_") + harfAdları[i]);
        kutu->setReadOnly(true);
        kutu->setAlignment(Qt::AlignCenter);
        kutu->setFixedWidth(36);
        sütun->addWidget(new QLabel(harfAdları[i], this), 0, Qt::AlignHCenter);
        sütun->addWidget(çubuk, 1, Qt::AlignHCenter);
        sütun->addWidget(kutu, 0, Qt::AlignHCenter);
        sıra.addLayout(sütun);
        çubuklar_[i] = çubuk;
        kutular_[i] = kutu;
        connect(çubuk, &QScrollBar::valueChanged, this, [this, harf = static_cast<Harf>(i)](int v) { değişti(harf, -v); });
    }
}

void donanım::düğmeleriKur(QVBoxLayout& düzen) {
    const struct {
        const char* başlık;
        void (donanım::*komut)();
    } düğmeler[] = {{"KAYDET", &donanım::KAYDET}, {"VAZGEÇ", &donanım::reject}, {"TEMİZLE", &donanım::TEMİZLE}};
    auto* sıra = new QHBoxLayout;
    for (const auto& d : düğmeler) {
        auto* b = new QPushButton(qtMetin(d.başlık), this);
        b->setObjectName(qtMetin(d.başlık));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, d.komut);
        sıra->addWidget(b);
    }
    düzen.addLayout(sıra);
}

std::array<Integer, harfSayısı> donanım::değerler() const {
    std::array<Integer, harfSayısı> d{};
    // A bar's value grows downwards, so that moving up raises.
    for (std::size_t i = 0; i < harfSayısı; ++i) d[i] = static_cast<Integer>(-çubuklar_[i]->value());
    return d;
}

void donanım::değişti(Harf harf, int değer) {
    kutular_[yeri(harf)]->setText(QString::number(değer));
    önizleme_->göster(değerler());
}

void donanım::KAYDET() {
    kullanıcıDonanımınıKaydet(oturum_.eser().başlık.donanım, değerler());
    oturum_.değişikliğiBildir();
    accept();
}

void donanım::TEMİZLE() {
    for (QScrollBar* çubuk : çubuklar_) çubuk->setValue(0);
}

}  // namespace selvika
