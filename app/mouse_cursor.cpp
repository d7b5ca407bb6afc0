#include "app/mouse_cursor.h"

#include <QCursor>
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <array>

#include "app/line_drawing.h"
#include "app/qt_paths.h"
#include "pitch/degrees.h"
#include "render/staff_geometry.h"

namespace selvika {
namespace {

enum İmleçStili : Byte { notaİsimleri = 0, yuvarlakHedef = 1 };

constexpr int hedefYarıçapı = 8;

QPixmap boşResim(QSize boyut) {
    QPixmap p(boyut);
    p.fill(Qt::transparent);
    return p;
}

// A small cross at the hot spot (6, 6) with the degree's name beside it.
QCursor notaİsmiİmleci(int p) {
    static std::array<QCursor, perdeSayısı + 1> imleçler;  // 0: no degree under the mouse
    const int i = p >= 1 && p <= perdeSayısı ? p : 0;
    if (imleçler[i].shape() == Qt::BitmapCursor) return imleçler[i];
    QFont yazı;
    yazı.setPixelSize(11);
    const QString ad = qtMetin(perdeAdı(i));
    QPixmap resim = boşResim({14 + QFontMetrics(yazı).horizontalAdvance(ad) + 2, 14});
    QPainter ressam(&resim);
    ressam.setPen(QPen(Qt::black, 1));
    ressam.drawLine(0, 6, 12, 6);
    ressam.drawLine(6, 0, 6, 12);
    ressam.setFont(yazı);
    if (!ad.isEmpty()) ressam.fillRect(QRect(13, 0, resim.width() - 13, 14), QColor(255, 255, 255, 200));
    ressam.setPen(Qt::darkBlue);
    ressam.drawText(QPoint(14, 11), ad);
    ressam.end();
    return imleçler[i] = QCursor(resim, 6, 6);
}

// A ring with a cross through its centre, the hot spot.
QCursor hedefİmleci() {
    static const QCursor imleç = [] {
        const int boy = 2 * hedefYarıçapı + 3;
        QPixmap resim = boşResim({boy, boy});
        QPainter ressam(&resim);
        ressam.setRenderHint(QPainter::Antialiasing);
        ressam.setPen(QPen(Qt::black, 1.5));
        const QPointF orta(boy / 2.0, boy / 2.0);
        ressam.drawEllipse(orta, hedefYarıçapı, hedefYarıçapı);
        ressam.drawLine(orta - QPointF(3, 0), orta + QPointF(3, 0));
        ressam.drawLine(orta - QPointF(0, 3), orta + QPointF(0, 3));
        ressam.end();
        return QCursor(resim, boy / 2, boy / 2);
    }();
    return imleç;
}

QCursor imleç(Byte stil, int fareY) {
    switch (stil) {
        case notaİsimleri: return notaİsmiİmleci(esasY(fareY, editörÖlçeği, editörÖlçeği.satırTabanı()));
        case yuvarlakHedef: return hedefİmleci();
        default: return Qt::ArrowCursor;
    }
}

}  // namespace

Fareİmleci::Fareİmleci(SatırResmi& resim, std::function<TercihKaydı()> tercihler)
    : QObject(&resim), resim_(resim), tercihler_(std::move(tercihler)) {
    resim_.setMouseTracking(true);
    resim_.installEventFilter(this);
    yenile();
}

void Fareİmleci::yenile() {
    const TercihKaydı t = tercihler_();
    resim_.fareEkÇizgileri(t.ekÇizgileriGöster ? fare_ : std::nullopt);
    if (paletAracıHazır && paletAracıHazır())
        resim_.setCursor(Qt::CrossCursor);
    else if (yapıştırılacak && yapıştırılacak())
        resim_.setCursor(Qt::DragCopyCursor);
    else
        resim_.setCursor(imleç(t.ayarlar.fareİmleci, fare_ ? fare_->y() : -1));
}

bool Fareİmleci::eventFilter(QObject* nesne, QEvent* olay) {
    if (nesne != &resim_) return false;
    if (olay->type() == QEvent::MouseMove) {
        fare_ = static_cast<QMouseEvent*>(olay)->position().toPoint();
        yenile();
    } else if (olay->type() == QEvent::Leave) {
        fare_.reset();
        yenile();
    }
    return false;
}

}  // namespace selvika
