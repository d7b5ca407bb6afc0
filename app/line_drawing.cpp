#include "app/line_drawing.h"

#include <QPainter>
#include <QPalette>
#include <algorithm>

namespace selvika {
namespace {

constexpr int üstÇizgi = 60;
constexpr int üstÇizgiKonumu = 10;
constexpr int altÇizgiKonumu = 18;

constexpr int konumY(int p) { return üstÇizgi + (p - üstÇizgiKonumu) * 5; }

bool ölçüÇizgisi(int t) { return t >= 33 && t <= 51 && t != 35 && t != tür::boşluk && t != tür::donanım && t != tür::usul; }

QString etiket(const Eleman& e) {
    if (e.tür == tür::sus) return QStringLiteral("sus");
    if (e.tür == tür::donanım) return QStringLiteral("don.");
    if (e.tür == tür::usul) return QString::number(e.usulNo);
    return {};
}

void dizekÇiz(QPainter& ressam) {
    for (int p = üstÇizgiKonumu; p <= altÇizgiKonumu; p += 2) ressam.drawLine(10, konumY(p), çizimGenişliği - 10, konumY(p));
}

// Ledger lines between the staff and a note above or below it.
void ekÇizgiler(QPainter& ressam, int x, int p) {
    for (int q = üstÇizgiKonumu - 2; q >= p; q -= 2) ressam.drawLine(x - 10, konumY(q), x + 10, konumY(q));
    for (int q = altÇizgiKonumu + 2; q <= p; q += 2) ressam.drawLine(x - 10, konumY(q), x + 10, konumY(q));
}

void elemanÇiz(QPainter& ressam, const Eleman& e) {
    const int x = e.konum.x + e.konum.xKayma;
    if (e.imleç == 1) ressam.fillRect(x - 9, konumY(1) - 6, 18, konumY(29) - konumY(1) + 12, QColor(200, 220, 255));
    ressam.setPen(e.imleç == 1 ? QColor(0, 60, 200) : QColor(Qt::black));
    ressam.setBrush(ressam.pen().color());
    if (e.nota()) {
        ekÇizgiler(ressam, x, e.tür);
        ressam.drawEllipse(QPoint(x, konumY(e.tür)), 6, 4);
    } else if (ölçüÇizgisi(e.tür)) {
        ressam.drawLine(x, konumY(üstÇizgiKonumu), x, konumY(altÇizgiKonumu));
    } else if (QString metin = etiket(e); !metin.isEmpty()) {
        ressam.drawText(QRect(x - 20, konumY(14) - 10, 40, 20), Qt::AlignCenter, metin);
    }
}

}  // namespace

void satırıÇiz(QPainter& ressam, const Satır& satır) {
    ressam.fillRect(0, 0, çizimGenişliği, çizimYüksekliği, Qt::white);
    ressam.setPen(QPen(QColor(170, 170, 170), 1, Qt::DotLine));
    for (int x : {int(satır.ayar1), int(satır.ayar2)}) ressam.drawLine(x, 20, x, çizimYüksekliği - 20);
    ressam.setPen(Qt::black);
    dizekÇiz(ressam);
    const int sayı = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    for (int i = 1; i <= sayı; ++i) elemanÇiz(ressam, satır.elemanlar[i]);
}

SatırResmi::SatırResmi(double ölçek, QWidget* üst) : QWidget(üst), ölçek_(ölçek) {
    setFixedSize(int(çizimGenişliği * ölçek), int(çizimYüksekliği * ölçek));
}

void SatırResmi::göster(const Satır& satır) {
    satır_ = satır;
    update();
}

void SatırResmi::paintEvent(QPaintEvent*) {
    QPainter ressam(this);
    ressam.setRenderHint(QPainter::Antialiasing);
    ressam.scale(ölçek_, ölçek_);
    satırıÇiz(ressam, satır_);
    if (hasFocus()) {
        ressam.setPen(QPen(palette().color(QPalette::Highlight), 2));
        ressam.setBrush(Qt::NoBrush);
        ressam.drawRect(1, 1, çizimGenişliği - 2, çizimYüksekliği - 2);
    }
}

}  // namespace selvika
