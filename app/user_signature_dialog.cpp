#include "app/user_signature_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/palette.h"
#include "app/qt_paths.h"
#include "pitch/key_signatures.h"

namespace selvika {
namespace {

constexpr const char* harfAdları[harfSayısı] = {"sol", "fa", "mi", "re", "do", "si", "la"};

using enum Harf;
constexpr Harf bemolSırası[] = {si, mi, la, re, sol, do_, fa};
constexpr Harf diyezSırası[] = {fa, do_, sol, re, la, mi, si};

constexpr int satırAralığı = 10;
constexpr int porteÜstü = 40;
constexpr int ilkX = 30;
constexpr int adım = 25;

constexpr std::size_t yeri(Harf harf) { return static_cast<std::size_t>(harf); }

}  // namespace

// `Donat`: the signature as it stands, on a five-line staff.
class DonanımÖnizlemesi : public QWidget {
public:
    DonanımÖnizlemesi(const GlifSayfası& glifler, QWidget* üst) : QWidget(üst), glifler_(glifler) {
        setObjectName("DonanımÖnizlemesi");
        setFixedSize(ilkX + 14 * adım + 20, porteÜstü * 2 + 4 * satırAralığı);
    }

    void göster(const std::array<Integer, harfSayısı>& değerler) {
        değerler_ = değerler;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter ressam(this);
        ressam.fillRect(rect(), Qt::white);
        ressam.setPen(Qt::black);
        for (int i = 0; i < 5; ++i)
            ressam.drawLine(10, porteÜstü + i * satırAralığı, width() - 10, porteÜstü + i * satırAralığı);
        int x = ilkX;
        auto çiz = [&](std::span<const Harf> harfler, int işaret) {
            for (Harf harf : harfler) {
                if (değerler_[yeri(harf)] * işaret <= 0) continue;
                ArzYaz(ressam, harf, x);
                x += adım;
            }
        };
        çiz(bemolSırası, -1);
        çiz(diyezSırası, +1);
    }

private:
    // One accidental at its letter's height; a value without a glyph as digits.
    void ArzYaz(QPainter& ressam, Harf harf, int x) {
        const int değer = değerler_[yeri(harf)];
        const int y = porteÜstü + harfYüksekliği(harf) * satırAralığı / 2;
        if (glifler_.kökeÇiz(ressam, arızaGlifi(değer), QPointF(x, y))) return;
        ressam.drawText(QRect(x - 6, y - 8, 24, 16), Qt::AlignCenter,
                        (değer > 0 ? QStringLiteral("+") : QString()) + QString::number(değer));
    }

    const GlifSayfası& glifler_;
    std::array<Integer, harfSayısı> değerler_{};
};

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
