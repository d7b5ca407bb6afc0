#include "app/preference_pictures.h"

#include <QPainter>
#include <array>

#include "render/drawing_preferences.h"
#include "render/glyph_source.h"
#include "render/line_painter.h"
#include "render/syllables.h"

namespace selvika {
namespace {

constexpr int en = 64, boy = 28;
constexpr std::array<int, 3> notaX{10, 28, 46};  // left edges of the heads
constexpr int başEni = 8;

// A transparent picture with a painter ready to draw on it in black, in
// the drawing's own units.
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
    for (int x : notaX) {
        ressam.drawEllipse(QPointF(x + başEni / 2.0, y), başEni / 2.0, 3);
        ressam.drawLine(QPointF(x + başEni, y), QPointF(x + başEni, y - 12));
    }
    ressam.drawLine(notaX.front() + başEni, y - 12, notaX.back() + başEni, y - 12);
}

}  // namespace

QPixmap trioleResmi(int parantezli) {
    return resim([parantezli](QPainter& ressam) {
        notalar(ressam, 25);
        if (parantezli) {
            const GravürKalınlıkları k;
            yayÇiz(ressam, {6, 11}, {en - 6, 11}, 3, 3, true, k.ince, k.ince / 2);
        }
        QFont yazı = ressam.font();
        yazı.setPixelSize(9);
        ressam.setFont(yazı);
        ressam.setPen(Qt::black);
        ressam.drawText(QRect(26, -1, 12, 9), Qt::AlignCenter, QStringLiteral("3"));
    });
}

QPixmap çizgiResmi(int çizgiStili) {
    return resim([çizgiStili](QPainter& ressam) {
        ressam.setPen(çizgiKalemi(selvika::çizgiStili(Byte(çizgiStili)), GravürKalınlıkları{}.ince * 1.5));
        ressam.drawLine(4, boy / 2, en - 4, boy / 2);
    });
}

QPixmap kalınlıkResmi(int kalınlık) {
    return resim([kalınlık](QPainter& ressam) {
        const GravürKalınlıkları k;
        const double kat = liezonKatı(Byte(kalınlık));
        yayÇiz(ressam, {6, 22}, {en - 6, 22}, 12, 12, true, k.yayOrta * kat, k.yayUç * kat);
    });
}

QPixmap güfteYeriResmi(int yer) {
    return resim([yer](QPainter& ressam) {
        notalar(ressam, 14);
        ressam.setFont(QFont(ressam.font().family(), 6));
        const QFontMetricsF m(ressam.font());
        const std::array heceler{QStringLiteral("güf"), QStringLiteral("te"), QStringLiteral("ler")};
        for (std::size_t i = 0; i < heceler.size(); ++i) {
            const double x = heceSolu(notaX[i], başEni, m.horizontalAdvance(heceler[i]), static_cast<HeceYeri>(yer));
            ressam.drawText(QPointF(x, boy - 2), heceler[i]);
        }
    });
}

}  // namespace selvika
