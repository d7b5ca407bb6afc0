#include "app/line_end_picker.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include "app/qt_paths.h"
#include "core/line.h"

namespace selvika {
namespace {

constexpr int en = 30, boy = 22;
constexpr int sağ = en - 8;  // where the staff ends

void porte(QPainter& p, int son) {
    for (int y = 3; y <= 19; y += 4) p.drawLine(2, y, son, y);
}

void çizgi(QPainter& p, int x, int kalınlık) { p.fillRect(x, 3, kalınlık, 17, Qt::black); }

struct Tür {
    Byte satırSonu;
    const char* ad;
    const char* ipucu;
    void (*çiz)(QPainter&);
};

constexpr std::array<Tür, 5> türler{{
    {satırSonuTürü::yalın, "SatırSonu1", "Yalın satır sonu", [](QPainter& p) { porte(p, sağ); }},
    {satırSonuTürü::tekÇizgi, "SatırSonu2", "Tek ölçü çizgisi",
     [](QPainter& p) {
         porte(p, sağ);
         çizgi(p, sağ, 1);
     }},
    {satırSonuTürü::çiftÇizgi, "SatırSonu4", "Çift ölçü çizgisi",
     [](QPainter& p) {
         porte(p, sağ);
         çizgi(p, sağ - 3, 1);
         çizgi(p, sağ, 1);
     }},
    {satırSonuTürü::sonÇizgi, "SatırSonu5", "Bitiş çizgisi",
     [](QPainter& p) {
         porte(p, sağ);
         çizgi(p, sağ - 4, 1);
         çizgi(p, sağ - 1, 3);
     }},
    {satırSonuTürü::açık, "SatırSonu6", "Son mezür alt satırda sürüyor",
     [](QPainter& p) {
         porte(p, sağ - 4);
         p.drawLine(sağ - 4, 11, en - 2, 11);
         p.drawLine(en - 6, 7, en - 2, 11);
         p.drawLine(en - 6, 15, en - 2, 11);
     }},
}};

QIcon resim(const Tür& t) {
    QPixmap resim(en, boy);
    resim.fill(Qt::white);
    QPainter p(&resim);
    t.çiz(p);
    return QIcon(resim);
}

}  // namespace

SatırSonuSeçici::SatırSonuSeçici(QWidget* üst) : QWidget(üst) {
    setObjectName("SatırSonu");
    auto* sıra = new QHBoxLayout(this);
    sıra->setContentsMargins(0, 0, 0, 0);
    sıra->setSpacing(1);
    for (std::size_t i = 0; i < türler.size(); ++i) {
        const Tür& t = türler[i];
        auto* düğme = new QToolButton(this);
        düğme->setObjectName(t.ad);
        düğme->setIcon(resim(t));
        düğme->setIconSize(QSize(en, boy));
        düğme->setToolTip(qtMetin(t.ipucu));
        düğme->setCheckable(true);
        düğme->setFocusPolicy(Qt::NoFocus);  // a mouse tool, like the palettes: Tab goes on to the sliders
        connect(düğme, &QToolButton::clicked, this, [this, tür = t.satırSonu] {
            göster(tür);
            if (seçildi) seçildi(tür);
        });
        sıra->addWidget(düğme);
        düğmeler_[i] = düğme;
    }
}

// A line whose kind has no button shows none pressed.
void SatırSonuSeçici::göster(Byte satırSonu) {
    for (std::size_t i = 0; i < türler.size(); ++i) düğmeler_[i]->setChecked(türler[i].satırSonu == satırSonu);
}

}  // namespace selvika
