#include "render/page_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "core/titles.h"
#include "render/box_recording.h"
#include "render/page_geometry.h"
#include "render/painting_parts.h"

namespace selvika {
namespace {

constexpr int güfteSayısı = 6;

QString metin(const std::string& s) { return QString::fromStdString(s); }

void satırlar(QPainter& ressam, const Eser& eser, int sayfa, const ÇizimOrtamı& ortam) {
    for (const SayfaSatırı& s : sayfaSatırları(eser, sayfa)) {
        if (!sayfadaÇizilir(eser, s.satır)) continue;
        Satır satır = eser.satırlar[s.satır];
        const KutuKapsamı kutu(ressam, KutuBağlamı{KutuTürü::none, s.satır, 0});
        ressam.save();
        ressam.translate(solPay, s.y);
        ressam.scale(bantÖlçeği, bantÖlçeği);
        elemyaz2(ressam, satır, sayfaÖlçeği, ortam);
        ressam.restore();
    }
}

void başlıklar(QPainter& ressam, const Eser& eser, int sayfa) {
    const KutuKapsamı kutu(ressam, KutuBağlamı{KutuTürü::title});
    for (int t = 1; t <= başlıkSayısı; ++t) {
        const BaşlıkYazısı& b = eser.başlık.başlıklar[t];
        if (b.metin.blank()) continue;
        const QFont f = qtYazıTipi(b.yazıTipi);
        ressam.setFont(f);
        ressam.drawText(başlıkAlanı(eser, sayfa, t).topLeft() + QPointF(0, QFontMetricsF(f).ascent()),
                        metin(b.metin.trimmed()));
    }
}

QRectF güfteYeri(const Eser& eser, int b) {
    const SayfaKonumu& yer = eser.başlık.güfteYerleri[b];
    return {double(yer.x), double(yer.y), double(std::max(sayfaGenişliği - yer.x - solPay, 1)),
            double(std::max(sayfaYüksekliği - yer.y, 1))};
}

void güfteler(QPainter& ressam, const Eser& eser, int sayfa) {
    ressam.setFont(güfteYazıTipi(eser));
    const KutuKapsamı kutu(ressam, KutuBağlamı{KutuTürü::lyricblock});
    for (int b = 1; b <= güfteSayısı; ++b) {
        const GüfteBloğu& g = eser.başlık.güfteBlokları[b];
        if (g.sayfa != sayfa || g.metin.blank()) continue;
        ressam.drawText(güfteYeri(eser, b), güfteBiçimi, metin(g.metin.trimmed()));
    }
}

}  // namespace

QFont güfteYazıTipi(const Eser& eser) { return qtYazıTipi(eser.başlık.yazıTipleri[2]); }

QRectF başlıkAlanı(const Eser& eser, int sayfa, int t) {
    const BaşlıkYazısı& b = eser.başlık.başlıklar[t];
    const QFontMetricsF m(qtYazıTipi(b.yazıTipi));
    const double genişlik = b.metin.blank() ? 0 : m.horizontalAdvance(metin(b.metin.trimmed()));
    return {double(başlıkX(t, int(genişlik), sayfaGenişliği, solPay)),
            double(eser.başlık.sayfalar[sayfa].başlıkKonumları[t].y), genişlik, m.height()};
}

QRectF güfteAlanı(const Eser& eser, int b) {
    const QRectF yer = güfteYeri(eser, b);
    const GüfteBloğu& g = eser.başlık.güfteBlokları[b];
    if (g.metin.blank()) return {yer.topLeft(), QSizeF()};
    return QFontMetricsF(güfteYazıTipi(eser)).boundingRect(yer, güfteBiçimi, metin(g.metin.trimmed()));
}

bool sayfadaÇizilir(const Eser& eser, int satır) { return satır <= sonDoluSatır(eser); }

bool sayfadaSatırVar(const Eser& eser, int sayfa) {
    for (const SayfaSatırı& s : sayfaSatırları(eser, sayfa))
        if (eser.satırlar[s.satır].elemanSayısı > 0) return true;
    return false;
}

void sayfaÇiz(QPainter& ressam, const Eser& eser, int sayfa, const ÇizimOrtamı& ortam) {
    ressam.save();
    ressam.fillRect(QRect(0, 0, sayfaGenişliği, sayfaYüksekliği), Qt::white);
    ressam.setRenderHint(QPainter::Antialiasing);
    ressam.setRenderHint(QPainter::TextAntialiasing);
    satırlar(ressam, eser, sayfa, ortam);
    ressam.setPen(Qt::black);
    başlıklar(ressam, eser, sayfa);
    güfteler(ressam, eser, sayfa);
    ressam.restore();
}

}  // namespace selvika
