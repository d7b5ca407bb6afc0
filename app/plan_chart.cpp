#include "app/plan_chart.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/qt_paths.h"
#include "audio/plan_charts.h"

namespace selvika {
namespace {

// Chart units are drawn this many pixels wide, so that three digits fit a cell.
constexpr int ölçek = 2;
constexpr int hücrePikseli = çizelgeHücresi * ölçek;

// The ahenk chart marks the cells of an ahenk with its name's first letters.
class AhenkÇizelgesi : public PlanÇizelgesi {
public:
    using PlanÇizelgesi::PlanÇizelgesi;

private:
    QString hücreYazısı(int hücre) const override {
        const QString sayı = PlanÇizelgesi::hücreYazısı(hücre);
        const QString ad = qtMetin(ahenkAdı(sayı.toInt()));
        return ad.isEmpty() ? sayı : ad.left(3);
    }
};

}  // namespace

PlanÇizelgesi::PlanÇizelgesi(const char* ad, int sütunSayısı, int hücreSayısı, Nokta değer, QWidget* üst)
    : QWidget(üst, Qt::Popup), sütunSayısı_(sütunSayısı), hücreSayısı_(hücreSayısı), değer_(değer) {
    setObjectName(qtMetin(ad));
    const int satırSayısı = (hücreSayısı + sütunSayısı - 1) / sütunSayısı;
    setFixedSize(sütunSayısı * hücrePikseli + 1, satırSayısı * hücrePikseli + 1);
    QFont yazı = font();
    yazı.setPixelSize(hücrePikseli / 3);
    setFont(yazı);
}

void PlanÇizelgesi::aç(QPoint nerede) {
    move(nerede);
    show();
}

QPoint PlanÇizelgesi::ortası(int hücre) const {
    return QPoint(hücre % sütunSayısı_, hücre / sütunSayısı_) * çizelgeHücresi +
           QPoint(çizelgeHücresi / 2, çizelgeHücresi / 2);
}

QString PlanÇizelgesi::hücreYazısı(int hücre) const {
    const QPoint o = ortası(hücre);
    const auto değer = değer_(o.x(), o.y());
    return değer ? QString::number(*değer) : QString();
}

void PlanÇizelgesi::paintEvent(QPaintEvent*) {
    QPainter boya(this);
    boya.fillRect(rect(), Qt::white);
    for (int h = 0; h < hücreSayısı_; ++h) {
        const QRect kare(QPoint(h % sütunSayısı_, h / sütunSayısı_) * hücrePikseli, QSize(hücrePikseli, hücrePikseli));
        boya.drawRect(kare);
        boya.drawText(kare, Qt::AlignCenter, hücreYazısı(h));
    }
}

void PlanÇizelgesi::mousePressEvent(QMouseEvent* olay) {
    const QPoint p = olay->position().toPoint() / ölçek;
    const auto değer = rect().contains(olay->position().toPoint()) ? değer_(p.x(), p.y()) : std::nullopt;
    hide();
    if (değer && seçildi) seçildi(*değer);
}

PlanÇizelgesi* metronomÇizelgesi(QWidget* üst) {
    return new PlanÇizelgesi("MetronomÇizelgesi", 10, int(metronomDeğerleri.size()), metronomNoktası, üst);
}

PlanÇizelgesi* ahenkÇizelgesi(QWidget* üst) { return new AhenkÇizelgesi("AhenkÇizelgesi", 8, 72, ahenkNoktası, üst); }

}  // namespace selvika
