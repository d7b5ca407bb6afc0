#include "app/page_label.h"

#include <QMouseEvent>

namespace selvika {
namespace {

constexpr int çerçevePayı = 2;  // the frame stands this far around the text

Qt::CursorShape imleç(Qt::Orientations yönler) {
    if (yönler == Qt::Vertical) return Qt::SizeVerCursor;
    if (yönler == Qt::Horizontal) return Qt::SizeHorCursor;
    return Qt::SizeAllCursor;
}

}  // namespace

SayfaEtiketi::SayfaEtiketi(QRect alan, Qt::Orientations yönler, QWidget* üst) : QLabel(üst), yönler_(yönler) {
    setCursor(imleç(yönler));
    setStyleSheet("border: 1px dashed #7090c0; background: transparent; color: #7090c0;");
    setGeometry(alan.adjusted(-çerçevePayı, -çerçevePayı, çerçevePayı, çerçevePayı));
}

void SayfaEtiketi::mousePressEvent(QMouseEvent* olay) {
    tutulan_ = olay->position().toPoint();
    sürüklendi_ = false;
}

void SayfaEtiketi::mouseMoveEvent(QMouseEvent* olay) {
    if (!(olay->buttons() & Qt::LeftButton)) return;
    const QPoint hedef = mapToParent(olay->position().toPoint()) - tutulan_;
    move(yönler_ & Qt::Horizontal ? hedef.x() : x(), yönler_ & Qt::Vertical ? hedef.y() : y());
    sürüklendi_ = true;
    taşındı(pos() + QPoint(çerçevePayı, çerçevePayı));
}

void SayfaEtiketi::mouseReleaseEvent(QMouseEvent*) {
    if (sürüklendi_) bırakıldı();
}

void SayfaEtiketi::mouseDoubleClickEvent(QMouseEvent*) { açıldı(); }

}  // namespace selvika
