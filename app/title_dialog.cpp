#include "app/title_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/qt_paths.h"
#include "core/defaults.h"
#include "core/titles.h"

namespace selvika {
namespace {

// What a font button shows: face, size and style.
QString yazıTipiTanımı(const YazıTipi& y) {
    QString tanım = QStringLiteral("%1 %2").arg(qtMetin(y.yüz.trimmed())).arg(y.boy);
    if (static_cast<bool>(y.kalın)) tanım += QString::fromUtf8(" kalın");
    if (static_cast<bool>(y.italik)) tanım += QString::fromUtf8(" italik");
    return tanım;
}

// The groups, in the order of BaşlıkHizası.
constexpr const char* hizaAdları[] = {"Ortada", "Solda", "Sağda"};

}  // namespace

BaşlıkDiyaloğu::BaşlıkDiyaloğu(EserBaşlık& başlık, int sayfa, int odak, QWidget* üst)
    : QDialog(üst), seçici(sistemYazıTipiDiyaloğu), başlık_(başlık), sayfa_(sayfa) {
    setObjectName("başlıklar");
    setWindowTitle(QString::fromUtf8("Başlıklar"));
    auto* düzen = new QVBoxLayout(this);
    düzen->addWidget(new QLabel(QString::fromUtf8("y: başlığın %1. sayfadaki yüksekliği").arg(sayfa), this));
    auto* ızgara = new QGridLayout;
    for (int t = 1, sıra = 0; t <= başlıkSayısı; ++t) {
        if (t == 1 || başlıkHizası(t) != başlıkHizası(t - 1)) {
            auto* grup = new QLabel(qtMetin(hizaAdları[static_cast<int>(başlıkHizası(t))]), this);
            grup->setStyleSheet("font-weight: bold; margin-top: 6px;");
            ızgara->addWidget(grup, sıra++, 0, 1, 4);
        }
        satırKur(t, *ızgara, sıra++);
    }
    düzen->addLayout(ızgara);
    auto* düğmeler = new QDialogButtonBox(this);
    QPushButton* tamam = düğmeler->addButton(QString::fromUtf8("Tamam"), QDialogButtonBox::AcceptRole);
    tamam->setObjectName("tamam");
    tamam->setDefault(true);
    düğmeler->addButton(QString::fromUtf8("Vazgeç"), QDialogButtonBox::RejectRole)->setObjectName("vazgeç");
    düzen->addWidget(düğmeler);
    connect(düğmeler, &QDialogButtonBox::accepted, this, [this] {
        kaydet();
        accept();
    });
    connect(düğmeler, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (odak >= 1 && odak <= başlıkSayısı) {
        satır(odak).metin->setFocus();
        satır(odak).metin->selectAll();
    }
}

// Title t in row `sıra`: its name, text, font button and y.
void BaşlıkDiyaloğu::satırKur(int t, QGridLayout& ızgara, int sıra) {
    const BaşlıkYazısı& kayıt = başlık_.başlıklar[t];
    BaşlıkSatırı& s = satır(t);
    s.yazıTipi = kayıt.yazıTipi;
    s.metin = new QLineEdit(qtMetin(kayıt.metin.trimmed()), this);
    s.metin->setObjectName(QStringLiteral("BaşlıkKutusu_%1").arg(t));
    s.metin->setMaxLength(başlıkUzunluğu);
    s.metin->setMinimumWidth(320);
    s.yazıTipiDüğmesi = new QPushButton(yazıTipiTanımı(s.yazıTipi), this);
    s.yazıTipiDüğmesi->setObjectName(QStringLiteral("BaşlıkYazıTipi_%1").arg(t));
    s.yazıTipiDüğmesi->setAutoDefault(false);
    s.y = new QSpinBox(this);
    s.y->setObjectName(QStringLiteral("BaşlıkY_%1").arg(t));
    s.y->setRange(0, sayfaYüksekliği);
    s.y->setPrefix("y ");
    s.y->setValue(başlık_.sayfalar[sayfa_].başlıkKonumları[t].y);
    ızgara.addWidget(new QLabel(qtMetin(başlıkAdı(t)), this), sıra, 0);
    ızgara.addWidget(s.metin, sıra, 1);
    ızgara.addWidget(s.yazıTipiDüğmesi, sıra, 2);
    ızgara.addWidget(s.y, sıra, 3);
    connect(s.yazıTipiDüğmesi, &QPushButton::clicked, this, [this, t] { yazıTipiSeç(t); });
}

void BaşlıkDiyaloğu::yazıTipiSeç(int t) {
    BaşlıkSatırı& s = satır(t);
    const std::optional<QFont> seçilen = seçici(yazıTipiKaydından(s.yazıTipi));
    if (!seçilen) return;
    yazıTipiniYaz(s.yazıTipi, *seçilen);
    s.yazıTipiDüğmesi->setText(yazıTipiTanımı(s.yazıTipi));
}

void BaşlıkDiyaloğu::kaydet() {
    for (int t = 1; t <= başlıkSayısı; ++t) {
        const BaşlıkSatırı& s = satır(t);
        başlığıYaz(başlık_, t, s.metin->text().toStdString());
        başlık_.başlıklar[t].yazıTipi = s.yazıTipi;
        başlıkYüksekliğiniYaz(başlık_, sayfa_, t, s.y->value());
    }
}

}  // namespace selvika
