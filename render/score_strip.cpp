#include "render/score_strip.h"

#include <QPainter>
#include <algorithm>

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

void TembelŞerit::başla(const Eser& eser) {
    şerit_ = boşŞerit(şeritYüksekliği(eser));
    bekliyor_.assign(static_cast<std::size_t>(sonDoluSatır(eser)) + 1, true);
    bekliyor_[0] = false;
}

void TembelŞerit::yenile(int n, const Eser& eser, const ÇizimOrtamı& ortam) {
    if (static_cast<std::size_t>(n) < bekliyor_.size()) bekliyor_[static_cast<std::size_t>(n)] = false;
    satır_hazırla(şerit_, eser, n, ortam);
}

void TembelŞerit::göster(int üst, int alt, const Eser& eser, const ÇizimOrtamı& ortam) {
    const int son = std::min(bantSatırı(alt), static_cast<int>(bekliyor_.size()) - 1);
    for (int n = bantSatırı(std::max(0, üst - (bantYüksekliği - bantAdımı))); n <= son; ++n)
        if (bekliyor_[static_cast<std::size_t>(n)]) yenile(n, eser, ortam);
}

bool TembelŞerit::sıradakiniÇiz(const Eser& eser, const ÇizimOrtamı& ortam) {
    const auto sıradaki = std::find(bekliyor_.begin(), bekliyor_.end(), true);
    if (sıradaki == bekliyor_.end()) return false;
    yenile(static_cast<int>(sıradaki - bekliyor_.begin()), eser, ortam);
    return true;
}

QImage sayfa_hazırla(const Eser& eser, const ÇizimOrtamı& ortam) {
    TembelŞerit şerit;
    şerit.başla(eser);
    while (şerit.sıradakiniÇiz(eser, ortam)) {
    }
    return şerit.resim();
}

}  // namespace selvika
