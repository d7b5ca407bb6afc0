#include "render/score_strip.h"

#include <QPainter>

#include "render/page_geometry.h"
#include "render/page_painter.h"

namespace selvika {
namespace {

constexpr int tuvalGenişliği = 2 * çizimGenişliği;
constexpr int tuvalYüksekliği = 2 * çizimYüksekliği;

QImage boşŞerit(int yükseklik) {
    QImage şerit(bantGenişliği, yükseklik, QImage::Format_RGB32);
    şerit.fill(Qt::white);
    return şerit;
}

}  // namespace

void satır_hazırla(QImage& şerit, const Eser& eser, int n, const ÇizimOrtamı& ortam) {
    QImage tuval(tuvalGenişliği, tuvalYüksekliği, QImage::Format_RGB32);
    tuval.fill(Qt::white);
    {
        Satır satır = eser.satırlar[n];
        QPainter ressam(&tuval);
        elemyaz2(ressam, satır, sayfaÖlçeği, ortam);
    }
    const int y0 = bantTepesi(n);
    if (şerit.isNull() || şerit.height() < y0 + bantAdımı) {
        QImage büyük = boşŞerit(y0 + bantAdımı);
        if (!şerit.isNull()) QPainter(&büyük).drawImage(0, 0, şerit);
        şerit = büyük;
    }
    QPainter ressam(&şerit);
    ressam.setRenderHint(QPainter::SmoothPixmapTransform);
    ressam.setCompositionMode(QPainter::CompositionMode_Multiply);
    ressam.drawImage(QRectF(0, y0, şerit.width(), bantYüksekliği), tuval);
    for (int y : {41, 48, 55, 62, 69})
        for (int x : {1, 2})
            if (y0 + y < şerit.height()) şerit.setPixel(x, y0 + y, qRgb(0, 0, 0));
}

QImage sayfa_hazırla(const Eser& eser, const ÇizimOrtamı& ortam, const std::function<bool(int, int)>& ilerleme) {
    const int L = sonDoluSatır(eser);
    QImage şerit = boşŞerit(şeritYüksekliği(eser));
    for (int n = 1; n <= L; ++n) {
        satır_hazırla(şerit, eser, n, ortam);
        if (ilerleme && !ilerleme(n, L)) break;
    }
    return şerit;
}

}  // namespace selvika
