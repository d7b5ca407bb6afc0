#include "app/syllable_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_paths.h"

namespace selvika {
namespace {

QPushButton* düğme(QWidget* üst, const char* ad, const char* başlık) {
    auto* b = new QPushButton(qtMetin(başlık), üst);
    b->setObjectName(ad);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

HeceGir::HeceGir(Satır& satır, QWidget* üst) : QDialog(üst), satır_(satır) {
    setObjectName("HeceGir");
    setWindowTitle(qtMetin("Hece Girişi"));
    auto* düzen = new QVBoxLayout(this);
    const HeceKutuları satırlar = heceKutularınıDoldur(satır_);
    for (std::size_t i = 0; i < HeceKutusu_.size(); ++i) {
        auto* kutu = new QLineEdit(qtMetin(satırlar[i]), this);
        kutu->setObjectName(QStringLiteral("HeceKutusu_%1").arg(i + 1));
        kutu->setMaxLength(Text<100>::length);
        kutu->setMinimumWidth(600);
        connect(kutu, &QLineEdit::textChanged, this, [kutu](const QString& metin) {
            const QString boşaltılmış = qtMetin(HeceKutusu_Change(metin.toStdString()));
            if (boşaltılmış != metin) kutu->setText(boşaltılmış);
        });
        HeceKutusu_[i] = kutu;
        düzen->addWidget(kutu);
    }
    auto* sıra = new QHBoxLayout;
    auto* manuel = düğme(this, "But_hece_manuel", "Manuel");
    auto* otomatik = düğme(this, "But_hece_otomatik", "Otomatik");
    auto* vazgeç = düğme(this, "But_hece_vazgeç", "VAZGEÇ");
    for (QPushButton* b : {manuel, otomatik, vazgeç}) sıra->addWidget(b);
    düzen->addLayout(sıra);
    connect(manuel, &QPushButton::clicked, this, [this] {
        But_hece_manuel(satır_, kutular());
        accept();
    });
    connect(otomatik, &QPushButton::clicked, this, [this] {
        But_hece_otomatik(satır_, kutular());
        accept();
    });
    connect(vazgeç, &QPushButton::clicked, this, &QDialog::reject);
    HeceKutusu_[0]->setFocus();
}

HeceKutuları HeceGir::kutular() const {
    HeceKutuları metinler;
    for (std::size_t i = 0; i < HeceKutusu_.size(); ++i) metinler[i] = HeceKutusu_[i]->text().toStdString();
    return metinler;
}

}  // namespace selvika
