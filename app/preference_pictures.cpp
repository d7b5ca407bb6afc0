#include "app/preference_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace selvika {
namespace {

constexpr int en = 64, boy = 28;

// A transparent picture with a painter ready to draw on it in black.
template <class Çizim>
QPixmap resim(Çizim&& çiz) {
    QPixmap p(en, boy);
    p.fill(Qt::transparent);
    QPainter ressam(&p);
    ressam.setRenderHint(QPainter::Antialiasing);
    ressam.setPen(Qt::black);
    ressam.setBrush(Qt::black);
    çiz(ressam);
    return p;
}

void notalar(QPainter& ressam, int y) {
    for (int x : {14, 32, 50}) {
        ressam.drawEllipse(QPoint(x, y), 4, 3);
        ressam.drawLine(x + 4, y, x + 4, y - 12);
    }
    ressam.drawLine(18, y - 12, 54, y - 12);
}

}  // namespace

QPixmap trioleResmi(int parantezli) {
    return resim([parantezli](QPainter& ressam) {
        notalar(ressam, 24);
        ressam.drawText(QRect(26, 0, 12, 10), Qt::AlignCenter, QStringLiteral("3"));
        if (!parantezli) return;
        ressam.drawPolyline(QPolygon({QPoint(10, 7), QPoint(10, 4), QPoint(24, 4)}));
        ressam.drawPolyline(QPolygon({QPoint(40, 4), QPoint(56, 4), QPoint(56, 7)}));
    });
}

QPixmap çizgiResmi(int çizgiStili) {
    return resim([çizgiStili](QPainter& ressam) {
        ressam.setPen(QPen(Qt::black, 2, static_cast<Qt::PenStyle>(Qt::SolidLine + çizgiStili)));
        ressam.drawLine(4, boy / 2, en - 4, boy / 2);
    });
}

QPixmap kalınlıkResmi(int kalınlık) {
    return resim([kalınlık](QPainter& ressam) {
        QPainterPath yay(QPointF(6, 20));
        yay.quadTo(en / 2.0, 2, en - 6, 20);
        ressam.setPen(QPen(Qt::black, kalınlık));
        ressam.setBrush(Qt::NoBrush);
        ressam.drawPath(yay);
    });
}

QPixmap güfteYeriResmi(int üstte) {
    return resim([üstte](QPainter& ressam) {
        const int dizek = üstte ? 14 : 4;
        for (int i = 0; i < 3; ++i) ressam.drawLine(2, dizek + 4 * i, en - 2, dizek + 4 * i);
        for (int x : {14, 34, 54}) ressam.drawEllipse(QPoint(x, dizek + 4), 3, 2);
        ressam.setPen(Qt::darkBlue);
        ressam.setFont(QFont(ressam.font().family(), 6));
        ressam.drawText(QRect(0, üstte ? 0 : 16, en, 12), Qt::AlignCenter, QStringLiteral("güf - te"));
    });
}

}  // namespace selvika
