#include "app/cesni_choice.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/qt_paths.h"
#include "audio/plan_rows.h"
#include "pitch/degrees.h"

namespace selvika {

ÇeşniSeçimi::ÇeşniSeçimi(const CinsKütüphanesi& cinsler, QWidget* üst) : QFrame(üst, Qt::Popup), cinsler_(cinsler) {
    setObjectName("ÇeşniSeçimi");
    setFrameShape(QFrame::StyledPanel);
    auto* ızgara = new QGridLayout(this);
    cins_ = new QComboBox(this);
    cins_->setObjectName("ÇeşniCinsi");
    perde_ = new QComboBox(this);
    perde_->setObjectName("ÇeşniPerdesi");
    for (int i = 0; i <= perdeSayısı; ++i) perde_->addItem(qtMetin(çeşniEtiketi(i)));
    ızgara->addWidget(new QLabel(QString::fromUtf8("Perde"), this), 0, 0);
    ızgara->addWidget(perde_, 0, 1);
    ızgara->addWidget(new QLabel(QString::fromUtf8("Cins"), this), 1, 0);
    ızgara->addWidget(cins_, 1, 1);
    auto* tamamDüğmesi = new QPushButton(QString::fromUtf8("Tamam"), this);
    tamamDüğmesi->setObjectName("But_ÇeşniTamam");
    auto* vazgeç = new QPushButton(QString::fromUtf8("Vazgeç"), this);
    ızgara->addWidget(tamamDüğmesi, 2, 0);
    ızgara->addWidget(vazgeç, 2, 1);
    connect(tamamDüğmesi, &QPushButton::clicked, this, [this] {
        hide();
        if (tamam) tamam(static_cast<Byte>(cins_->currentIndex()), static_cast<Byte>(perde_->currentIndex()));
    });
    connect(vazgeç, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void ÇeşniSeçimi::aç(const PasajDeğeri& değer, QPoint nerede) {
    PasajDeğeri d = değer;
    çeşniyiDüzelt(d);
    cins_->clear();
    for (const Cins& c : cinsler_) cins_->addItem(qtMetin(c.ad.trimmed()));
    cins_->setCurrentIndex(d.cins);
    perde_->setCurrentIndex(d.çeşniPerdesi);
    move(nerede);
    show();
}

}  // namespace selvika
