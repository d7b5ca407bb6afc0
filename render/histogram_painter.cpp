#include "render/histogram_painter.h"

#include <QFontMetricsF>
#include <QString>
#include <algorithm>

namespace selvika {

namespace {

// The koma range the picture shows: the grid with a koma to spare each side.
constexpr double solKoma = ızgaraSonKoma + 1;
constexpr double sağKoma = ızgaraİlkKoma - 1;
constexpr double birimGenişlik = komaX(solKoma) - komaX(sağKoma);

// The grid's vertical places are given for a picture 200 units high.
constexpr double ızgaraYüksekliği = 200;

QString metin(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Low pitches (large koma positions) on the left.
double ekranX(const QRectF& alan, double x) {
    return alan.left() + (komaX(solKoma) - x) / birimGenişlik * alan.width();
}

QColor ızgaraRengi(IzgaraRengi renk) {
    switch (renk) {
        case IzgaraRengi::mavi: return QColor(60, 90, 235);
        case IzgaraRengi::camgöbeği: return QColor(140, 215, 235);
        case IzgaraRengi::yeşil: return QColor(175, 220, 175);
    }
    return Qt::black;
}

void ızgaraÇiz(QPainter& ressam, const QRectF& alan) {
    const double ölçek = alan.height() / ızgaraYüksekliği;
    for (const IzgaraÇizgisi& ç : ızgaraÇizgileri()) {
        ressam.setPen(QPen(ızgaraRengi(ç.renk), 0));
        const double x = ekranX(alan, komaX(ç.k));
        ressam.drawLine(QPointF(x, alan.top() + ç.üstY * ölçek), QPointF(x, alan.bottom()));
    }
}

void çubuklarıÇiz(QPainter& ressam, const QRectF& alan, std::vector<HistogramÇubuğu> çubuklar) {
    const QFontMetricsF ölçü(ressam.font());
    const double etiketPayı = ölçü.height() + 4;
    const double enUzun = std::max(alan.height() - etiketPayı, 1.0);
    // The three one-unit lines of a bar, at least two pixels wide.
    const double genişlik = std::max(3 * alan.width() / birimGenişlik, 2.0);
    auto üstü = [&](const HistogramÇubuğu& ç) { return alan.bottom() - ç.oran * enUzun; };
    ressam.save();
    ressam.setClipRect(alan.adjusted(0, -etiketPayı, 0, 0));
    for (const HistogramÇubuğu& ç : çubuklar) {
        const double x = ekranX(alan, ç.x);
        ressam.fillRect(QRectF(x - genişlik / 2, üstü(ç), genişlik, alan.bottom() - üstü(ç)), QColor(215, 20, 20));
    }
    // Taller bars label first; a label that would cover another is left out.
    std::stable_sort(çubuklar.begin(), çubuklar.end(), [](const auto& a, const auto& b) { return a.oran > b.oran; });
    std::vector<QRectF> etiketler;
    ressam.setPen(Qt::black);
    for (const HistogramÇubuğu& ç : çubuklar) {
        const QString etiket = metin(ç.etiket);
        const double w = ölçü.horizontalAdvance(etiket);
        const QRectF yer(ekranX(alan, ç.x) - w / 2, üstü(ç) - 3 - ölçü.height(), w, ölçü.height());
        if (std::any_of(etiketler.begin(), etiketler.end(), [&](const QRectF& r) { return r.intersects(yer); }))
            continue;
        etiketler.push_back(yer.adjusted(-2, 0, 2, 0));
        ressam.drawText(yer, Qt::AlignCenter, etiket);
    }
    ressam.restore();
}

}  // namespace

void histogramÇiz(QPainter& ressam, const QRectF& alan, const PerdeSayımı& sayım, HistogramTürü tür, int öteleme) {
    ressam.fillRect(alan, Qt::white);
    const QFontMetricsF ölçü(ressam.font());
    const double başlıkYüksekliği = ölçü.height() + 10;
    const QRectF çizim = alan.adjusted(0, başlıkYüksekliği, 0, -1);
    ızgaraÇiz(ressam, çizim);
    çubuklarıÇiz(ressam, çizim, histogramÇubukları(sayım, tür, öteleme));
    ressam.setPen(Qt::black);
    ressam.drawText(QPointF(alan.left() + 5, alan.top() + 5 + ölçü.ascent()), metin(histogramBaşlığı(tür)));
}

double perdeCetveliYüksekliği(const QFont& yazıTipi) { return 2 * QFontMetricsF(yazıTipi).height() + 8; }

void perdeCetveliÇiz(QPainter& ressam, const QRectF& alan) {
    ressam.fillRect(alan, Qt::white);
    const QFontMetricsF ölçü(ressam.font());
    const auto adlar = perdeCetveli();
    for (std::size_t i = 0; i < adlar.size(); ++i) {
        // Names alternate between two rows so that close degrees stay legible.
        const double satırY = alan.top() + 4 + (i % 2 == 0 ? 0 : ölçü.height());
        const double x = ekranX(alan, komaX(adlar[i].k));
        const QString ad = metin(adlar[i].ad);
        ressam.setPen(ızgaraRengi(IzgaraRengi::mavi));
        ressam.drawLine(QPointF(x, alan.top()), QPointF(x, satırY + 2));
        ressam.setPen(Qt::black);
        ressam.drawText(QPointF(x - ölçü.horizontalAdvance(ad) / 2, satırY + ölçü.ascent()), ad);
    }
}

QImage histogramResmi(const PerdeSayımı& sayım, int öteleme, int genişlik) {
    constexpr double histogramYüksekliği = 320;
    const double cetvel = perdeCetveliYüksekliği(QFont());
    const double bölüm = histogramYüksekliği + cetvel;
    QImage resim(genişlik, static_cast<int>(2 * bölüm + 10), QImage::Format_RGB32);
    resim.fill(Qt::white);
    QPainter ressam(&resim);
    ressam.setRenderHint(QPainter::Antialiasing);
    const QRectF kenar(10, 0, genişlik - 20, 0);
    double y = 5;
    for (HistogramTürü tür : {HistogramTürü::adet, HistogramTürü::süre}) {
        histogramÇiz(ressam, QRectF(kenar.left(), y, kenar.width(), histogramYüksekliği), sayım, tür, öteleme);
        perdeCetveliÇiz(ressam, QRectF(kenar.left(), y + histogramYüksekliği, kenar.width(), cetvel));
        y += bölüm;
    }
    return resim;
}

}  // namespace selvika
