#include "app/lyric_block_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/qt_paths.h"
#include "lyrics/lyric_blocks.h"

namespace selvika {

GüfteDiyaloğu::GüfteDiyaloğu(EserBaşlık& başlık, int n, QWidget* üst) : QDialog(üst), başlık_(başlık), n_(n) {
    setObjectName("güfte");
    setWindowTitle(qtMetin(güfteBaşlığı(n)));
    const GüfteBloğu& blok = başlık_.güfteBlokları[n];
    auto* düzen = new QVBoxLayout(this);
    GüfteKutusu_ = new QPlainTextEdit(qtMetin(blok.metin.trimmed()), this);
    GüfteKutusu_->setObjectName("GüfteKutusu");
    sayfaKutusu_ = new QSpinBox(this);
    sayfaKutusu_->setObjectName("SayfaKutusu");
    sayfaKutusu_->setRange(1, sayfaSayısı);
    sayfaKutusu_->setValue(blok.sayfa);
    yazılan_ = new QLabel(this);
    yazılan_->setObjectName("YazılanHarf");
    kalan_ = new QLabel(this);
    kalan_->setObjectName("KalanBoşluk");
    auto* düğmeler = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    düğmeler->button(QDialogButtonBox::Ok)->setObjectName("tamam");
    düğmeler->button(QDialogButtonBox::Cancel)->setObjectName("vazgeç");
    for (QWidget* w : {static_cast<QWidget*>(GüfteKutusu_), static_cast<QWidget*>(sayfaKutusu_),
                       static_cast<QWidget*>(yazılan_), static_cast<QWidget*>(kalan_),
                       static_cast<QWidget*>(düğmeler)})
        düzen->addWidget(w);
    connect(GüfteKutusu_, &QPlainTextEdit::textChanged, this, [this] { sayaçlarıYaz(); });
    connect(düğmeler, &QDialogButtonBox::accepted, this, [this] {
        güfteyiKaydet(başlık_, n_, GüfteKutusu_->toPlainText().toStdString(), sayfaKutusu_->value());
        accept();
    });
    connect(düğmeler, &QDialogButtonBox::rejected, this, &QDialog::reject);
    sayaçlarıYaz();
}

void GüfteDiyaloğu::sayaçlarıYaz() {
    const std::string metin = GüfteKutusu_->toPlainText().toStdString();
    yazılan_->setText(qtMetin(yazılanHarfSayısı(metin)));
    kalan_->setText(qtMetin(kalanBoşlukSayısı(metin)));
}

}  // namespace selvika
