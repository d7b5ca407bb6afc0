#include "app/lyric_block_label.h"

#include <QMouseEvent>

#include "app/qt_paths.h"
#include "lyrics/lyric_blocks.h"

namespace selvika {
namespace {

constexpr int boşBoyu = 18;
constexpr int çerçevePayı = 2;  // the frame stands this far around the text

}  // namespace

GüfteEtiketi::GüfteEtiketi(int n, QRect alan, QWidget* üst) : QLabel(üst) {
    setObjectName(QStringLiteral("GüfteEtiketi%1").arg(n));
    setCursor(Qt::SizeAllCursor);
    setToolTip(qtMetin(güfteBaşlığı(n)));
    if (alan.isEmpty()) {
        setText(QString::number(n));
        setAlignment(Qt::AlignCenter);
        alan.setSize({boşBoyu, boşBoyu});
    }
    setStyleSheet("border: 1px dashed #7090c0; background: transparent; color: #7090c0;");
    setGeometry(alan.adjusted(-çerçevePayı, -çerçevePayı, çerçevePayı, çerçevePayı));
}

void GüfteEtiketi::mousePressEvent(QMouseEvent* olay) {
    tutulan_ = olay->position().toPoint();
    sürüklendi_ = false;
}

void GüfteEtiketi::mouseMoveEvent(QMouseEvent* olay) {
    if (!(olay->buttons() & Qt::LeftButton)) return;
    move(mapToParent(olay->position().toPoint()) - tutulan_);
    sürüklendi_ = true;
    taşındı(pos() + QPoint(çerçevePayı, çerçevePayı));
}

void GüfteEtiketi::mouseReleaseEvent(QMouseEvent*) {
    if (sürüklendi_) bırakıldı();
}

void GüfteEtiketi::mouseDoubleClickEvent(QMouseEvent*) { açıldı(); }

}  // namespace selvika
