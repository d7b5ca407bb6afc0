#include "app/volume_sliders.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace selvika {
namespace {

constexpr const char* sesAdları[] = {"Solist", "1. refakat", "2. refakat", "3. refakat"};

QSlider* sürgü(Qt::Orientation yön, const QString& ad, QWidget* üst) {
    auto* s = new QSlider(yön, üst);
    s->setObjectName(ad);
    s->setRange(0, 100);
    return s;
}

}  // namespace

SesDengesi::SesDengesi(QWidget* üst) : QFrame(üst, Qt::Popup) {
    setObjectName("SesDengesi");
    setFrameShape(QFrame::StyledPanel);
    auto* ızgara = new QGridLayout(this);
    for (int i = 0; i < 4; ++i) {
        VolumM_[std::size_t(i)] = sürgü(Qt::Vertical, QString("VolumM_%1").arg(i), this);
        ızgara->addWidget(VolumM_[std::size_t(i)], 0, i, Qt::AlignHCenter);
        ızgara->addWidget(new QLabel(QString::fromUtf8(sesAdları[i]), this), 1, i, Qt::AlignHCenter);
    }
    VolumR_ = sürgü(Qt::Horizontal, "VolumR", this);
    ızgara->addWidget(new QLabel(QString::fromUtf8("Ritm %"), this), 2, 0);
    ızgara->addWidget(VolumR_, 2, 1, 1, 3);
    auto* tamamDüğmesi = new QPushButton(QString::fromUtf8("Tamam"), this);
    tamamDüğmesi->setObjectName("But_VolumTamam");
    auto* vazgeç = new QPushButton(QString::fromUtf8("Vazgeç"), this);
    vazgeç->setObjectName("But_VolumVazgec");
    ızgara->addWidget(tamamDüğmesi, 3, 0, 1, 2);
    ızgara->addWidget(vazgeç, 3, 2, 1, 2);
    connect(tamamDüğmesi, &QPushButton::clicked, this, [this] { But_VolumTamam_Click(); });
    connect(vazgeç, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void SesDengesi::aç(const Pasaj& p, QPoint nerede) {
    for (std::size_t i = 0; i < VolumM_.size(); ++i) VolumM_[i]->setValue(p.sesSeviyeleri[i]);
    VolumR_->setValue(p.ritimSesi);
    move(nerede);
    show();
}

void SesDengesi::But_VolumTamam_Click() {
    hide();
    std::array<Byte, 4> sesler{};
    for (std::size_t i = 0; i < sesler.size(); ++i) sesler[i] = static_cast<Byte>(VolumM_[i]->value());
    if (tamam) tamam(sesler, static_cast<Byte>(VolumR_->value()));
}

}  // namespace selvika
