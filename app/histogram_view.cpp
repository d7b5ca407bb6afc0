#include "app/histogram_view.h"

#include <QPainter>

#include "render/histogram_painter.h"

namespace selvika {

HistogramGörünümü::HistogramGörünümü(const PerdeSayımı& sayım, HistogramTürü tür, QWidget* üst)
    : QWidget(üst), sayım_(sayım), tür_(tür) {
    setObjectName(tür == HistogramTürü::adet ? "PicAnalizAdet" : QString::fromUtf8("PicAnalizSüre"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void HistogramGörünümü::ötele(int öteleme) {
    öteleme_ = öteleme;
    update();
}

void HistogramGörünümü::paintEvent(QPaintEvent*) {
    QPainter ressam(this);
    ressam.setRenderHint(QPainter::Antialiasing);
    ressam.fillRect(rect(), Qt::white);
    const double cetvel = perdeCetveliYüksekliği(ressam.font());
    const QRectF alan(rect());
    histogramÇiz(ressam, alan.adjusted(0, 0, 0, -cetvel), sayım_, tür_, öteleme_);
    perdeCetveliÇiz(ressam, QRectF(0, alan.height() - cetvel, alan.width(), cetvel));
}

}  // namespace selvika
