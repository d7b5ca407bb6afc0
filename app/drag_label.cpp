#include "app/drag_label.h"

#include <QMouseEvent>

namespace selvika {
SürüklemeEtiketi::SürüklemeEtiketi(const QString& metin, Qt::Orientation yön, std::function<void(int)> bırakıldı,
                                   QWidget* üst)
    : QLabel(metin, üst), yön_(yön), bırakıldı_(std::move(bırakıldı)) {
    setAlignment(Qt::AlignCenter);
    setFixedSize(boy + 4, boy);
    vurgula(false);
    setCursor(yön == Qt::Horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor);
}

void SürüklemeEtiketi::vurgula(bool açık) {
    setStyleSheet(açık ? "background: rgba(80, 160, 255, 200); border: 1px solid #204080; font-size: 9px;"
                       : "background: rgba(255, 220, 0, 160); border: 1px solid #a08000; font-size: 9px;");
}

int SürüklemeEtiketi::konum(const QMouseEvent& olay) const {
    const QPoint p = olay.globalPosition().toPoint();
    return yön_ == Qt::Horizontal ? p.x() : p.y();
}

void SürüklemeEtiketi::mousePressEvent(QMouseEvent* olay) {
    başlangıç_ = konum(*olay);
    if (basıldı) basıldı();
}

void SürüklemeEtiketi::mouseMoveEvent(QMouseEvent* olay) {
    const int şimdi = konum(*olay) - başlangıç_;
    const int adım = şimdi - kayma_;
    move(yön_ == Qt::Horizontal ? pos() + QPoint(adım, 0) : pos() + QPoint(0, adım));
    kayma_ = şimdi;
}

void SürüklemeEtiketi::mouseReleaseEvent(QMouseEvent* olay) {
    const int fark = konum(*olay) - başlangıç_;
    kayma_ = 0;
    if (fark != 0) bırakıldı_(fark);
}

}  // namespace selvika
