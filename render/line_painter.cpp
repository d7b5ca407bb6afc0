#include "render/line_painter.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "render/bar_lines.h"
#include "render/beam_geometry.h"
#include "render/glyph_source.h"
#include "render/painting_parts.h"
#include "render/score_font.h"
#include "render/syllables.h"
#include "rhythm/usul_numerals.h"

namespace selvika {
namespace {

constexpr double birim = 10.0;  // editor pixels a staff space

constexpr double anahtarX = 8;

// The staff runs to the end of the element area, or further when the last
// element does.
void porteÇiz(QPainter& ressam, const GravürKalınlıkları& k, double son) {
    for (int p = 10; p <= 18; p += 2) yatayÇizgi(ressam, porteBaşı, son, konumY(p), k.porte);
}

// A line that closes with a bar line ends its staff there: on its last
// element when that is a bar line, else half a gap after it. Any other runs
// to the end of the element area, or further when its last element does.
double porteSonu(const Satır& satır, const YerleşimSonucu& yerleşim, const KarakterTablosu& tablo) {
    if (const int kod = ölçüÇizgisiGlifi(kapanışÇizgisi(satır))) {
        const int en = tablo[kod].genişlik;
        const Eleman& e = satır.elemanlar[std::min<int>(satır.elemanSayısı, sonElemanYuvası)];
        const double sol = çizgiyleBiter(satır) ? e.konum.x + e.konum.xKayma + (e.genişlik - en) / 2.0
                                                : yerleşim.sonX - yerleşim.aralık / 2;
        return sol + en - 1;
    }
    if (satır.ayar2 <= 0) return çizimGenişliği - porteBaşı;
    return std::min<double>(std::max<int>(satır.ayar2, yerleşim.sonX), çizimGenişliği - porteBaşı);
}

// The element at the cursor stands on a pale band.
void imleçÇiz(QPainter& ressam, const Satır& satır) {
    for (int i = 1; i <= std::min<int>(satır.elemanSayısı, sonElemanYuvası); ++i) {
        const Eleman& e = satır.elemanlar[i];
        if (e.imleç != 1) continue;
        ressam.fillRect(QRectF(e.konum.x + e.konum.xKayma - 4, 10, std::max<int>(e.genişlik, 12) + 8, 160),
                        QColor(200, 220, 255));
    }
}

// The range stands on a translucent band, so that the cursor's band shows
// through where they meet.
void seçimÇiz(QPainter& ressam, const Satır& satır, int ilk, int son) {
    if (ilk < 1 || son < ilk || son > std::min<int>(satır.elemanSayısı, sonElemanYuvası)) return;
    const Eleman& a = satır.elemanlar[ilk];
    const Eleman& b = satır.elemanlar[son];
    const double sol = a.konum.x + a.konum.xKayma - 6;
    const double sağ = b.konum.x + b.konum.xKayma + std::max<int>(b.genişlik, 12) + 6;
    ressam.fillRect(QRectF(sol, 10, sağ - sol, 160), QColor(255, 190, 60, 90));
}

// What the engraving pass reads of a line beside its elements: the element
// area from the clef to ortam.gravürSonu, less the closing bar line's room,
// and the widths of the syllables as the drawing prints them.
GravürGirdisi gravürGirdisi(const Satır& satır, const ÇizimOrtamı& ortam) {
    const QFontMetricsF m(qtYazıTipi(ortam.başlık.yazıTipleri[3]));
    const int kod = ölçüÇizgisiGlifi(kapanışÇizgisi(satır));
    const double kapanış = kod != 0 && !çizgiyleBiter(satır) ? ortam.glifler.tablo()[kod].genişlik - 1 : 0;
    const auto heceler = std::make_shared<const SatırHeceleri>(heceleriDağıt(satır));
    const double boşluk = m.horizontalAdvance(QLatin1Char(' '));
    return {anahtarSonu + 4, ortam.gravürSonu - kapanış,
            [m, heceler](int i, int r) {
                const std::string& h = (*heceler)[i][r];
                return h.empty() || yerTutucu(h) ? 0.0 : m.horizontalAdvance(QString::fromStdString(tiresiz(h)));
            },
            boşluk + 1, [heceler](int i, int r) { return sözcükSürer((*heceler)[i][r]); },
            2 * boşluk + m.horizontalAdvance(QLatin1Char('-'))};
}

// The engraved line: the line's copy takes the engraving pass's positions,
// its syllables centred under their heads and its expressions over their
// elements; the staff, closed by its bar line, ends at ortam.gravürSonu.
YerleşimSonucu gravürYerleşimi(Satır& satır, const ÇizimOrtamı& ortam) {
    const GravürGirdisi girdi = gravürGirdisi(satır, ortam);
    const GravürSonucu g = gravürAralıkları(satır, girdi);
    const Satır önce = satır;
    const int adet = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    for (int i = 1; i <= adet; ++i) {
        Eleman& e = satır.elemanlar[i];
        e.konum = {static_cast<Integer>(std::lrint(g.x[i])), 0};
        e.heceAyarı = 0;
    }
    ifadeleriTaşı(önce, satır, {1, adet}, 0, satır);
    satır.ayar2 = static_cast<Integer>(girdi.sağ);
    return {0, int(std::lrint(girdi.sağ))};
}

}  // namespace

double konumY(int p) { return perdeY(p, editörÖlçeği); }
double başX(const Eleman& e) { return e.konum.x + e.konum.xKayma; }
// "p" hangs the stem down (the notes from the middle line up carry it), "d"
// stands it up.
bool sapAşağı(const Eleman& e) { return e.sapYönü == Text<1>("p"); }

bool sapAşağı(const Parçaİçin& ç, int i) {
    const GurupAralığı g = gurubu(ç.satır, i, ç.adet);
    if (g.ilk == 0) return sapAşağı(ç.satır.elemanlar[i]);
    std::vector<int> konumlar;
    for (int j = g.ilk; j <= g.son; ++j)
        if (ç.satır.elemanlar[j].nota()) konumlar.push_back(ç.satır.elemanlar[j].tür);
    return !gurupSapıYukarı(konumlar);
}

QFont qtYazıTipi(const YazıTipi& y, double kat) {
    QFont f = yüzYazıTipi(y.yüz);
    f.setPixelSize(std::max(1, int(std::lround(std::max<int>(y.boy, 8) * 4.0 / 3.0 * kat))));
    f.setBold(bool(y.kalın));
    f.setItalic(bool(y.italik));
    return f;
}

void çizgi(QPainter& ressam, QPointF a, QPointF b, double kalınlık) {
    ressam.setPen(QPen(Qt::black, kalınlık * birim, Qt::SolidLine, Qt::FlatCap));
    ressam.drawLine(a, b);
}

void yatayÇizgi(QPainter& ressam, double x1, double x2, double y, double kalınlık) {
    if (ressam.paintEngine()->type() != QPaintEngine::Raster) {
        çizgi(ressam, {x1, y}, {x2, y}, kalınlık);
        return;
    }
    const QTransform t = ressam.deviceTransform();
    const QPointF a = t.map(QPointF(x1, y)), b = t.map(QPointF(x2, y));
    const PikselSatırları satırlar = pikselSatırları(a.y(), kalınlık * birim * t.m22());
    const int sol = int(std::lround(std::min(a.x(), b.x()))), sağ = int(std::lround(std::max(a.x(), b.x())));
    ressam.save();
    ressam.resetTransform();
    ressam.setRenderHint(QPainter::Antialiasing, false);
    ressam.fillRect(QRect(sol, satırlar.ilk, sağ - sol, satırlar.adet), Qt::black);
    ressam.restore();
}

QPen çizgiKalemi(ÇizgiStili stil, double kalınlık) {
    constexpr std::array<Qt::PenStyle, çizgiStiliSayısı> qtStili{Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                                                  Qt::DashDotLine, Qt::DashDotDotLine};
    return QPen(Qt::black, kalınlık * birim, qtStili[int(stil)], Qt::FlatCap);
}

QFont usulYazıTipi(const EserBaşlık& başlık) {
    QFont f = qtYazıTipi(başlık.yazıTipleri[6]);
    f.setPixelSize(std::max(1, int(std::lround(2.0 * std::max<int>(başlık.yazıTipleri[6].boy, 8)))));
    // Each numeral fills at most its half of the staff, two spaces.
    const double rakamBoyu = QFontMetricsF(f).tightBoundingRect(QStringLiteral("0123456789")).height();
    if (rakamBoyu > 2 * birim) f.setPixelSize(std::max(1, int(f.pixelSize() * 2 * birim / rakamBoyu)));
    return f;
}

std::vector<Sistem> gravürSistemleri(const Satır& satır, const ÇizimOrtamı& ortam) {
    Satır ölçülen = satır;
    adresle4(ölçülen, sayfaÖlçeği, elemanÖlçümü(ortam.başlık));
    std::vector<Sistem> sistemler;
    for (ElemanAralığı a : sistemlereBöl(ölçülen, gravürGirdisi(ölçülen, ortam))) {
        Sistem s = sistemSatırı(satır, a);
        Satır kendi = s.satır;
        adresle4(kendi, sayfaÖlçeği, elemanÖlçümü(ortam.başlık));
        ifadeleriTaşı(ölçülen, kendi, a, s.kayma, s.satır);
        sistemler.push_back(std::move(s));
    }
    return sistemler;
}

bool doğalBoyundaSığar(const Satır& satır, const ÇizimOrtamı& ortam) {
    Satır ölçülen = satır;
    adresle4(ölçülen, sayfaÖlçeği, elemanÖlçümü(ortam.başlık));
    const GravürGirdisi girdi = gravürGirdisi(ölçülen, ortam);
    return gravürAralıkları(ölçülen, girdi).doğal <= girdi.sağ - girdi.sol;
}

ElemanÖlçümü elemanÖlçümü(const EserBaşlık& başlık) {
    // The usul is measured in the font it is drawn with, so that numerals
    // at twice the size keep clear of their neighbours.
    return {
        [&başlık](const Eleman& e) { return Byte(std::clamp(donanımEni(e, başlık), 0, 255)); },
        [f = usulYazıTipi(başlık)](const Eleman& e) {
            QFontMetricsF m(f);
            double en = std::max(m.horizontalAdvance(QString::fromUtf8(Pay(e.usulNo).data(), Pay(e.usulNo).size())),
                                 m.horizontalAdvance(QString::fromUtf8(payda(e.usulNo).data(), payda(e.usulNo).size())));
            return Byte(std::clamp(int(std::ceil(en)), 1, 255));
        },
    };
}

void elemyaz2(QPainter& ressam, Satır& satır, const PorteÖlçeği& ö, const ÇizimOrtamı& ortam) {
    YerleşimSonucu yerleşim = adresle4(satır, ö, elemanÖlçümü(ortam.başlık));
    if (ortam.gravürSonu > 0) yerleşim = gravürYerleşimi(satır, ortam);
    satır.çizimAyarı = 5;
    const double son = porteSonu(satır, yerleşim, ortam.glifler.tablo());
    ressam.save();
    ressam.setRenderHint(QPainter::Antialiasing);
    ressam.setRenderHint(QPainter::SmoothPixmapTransform);
    ressam.scale(ö.satırAralığı / birim, ö.satırAralığı / birim);
    if (ortam.imleç) imleçÇiz(ressam, satır);
    seçimÇiz(ressam, satır, ortam.seçim.ilk, ortam.seçim.son);
    porteÇiz(ressam, ortam.glifler.kalınlıklar(), son);
    ÇizimTercihleri tercihler = çizimTercihleri(ortam.başlık, ö);
    if (ortam.gravürSonu > 0) tercihler.güfteYeri = HeceYeri::ortada;
    const Parçaİçin ç{ressam, satır, ortam, std::min<int>(satır.elemanSayısı, sonElemanYuvası), son, tercihler};
    // Makam music is written in the treble clef; the element area leaves it
    // room before ayar1.
    glif(ç, 'g', anahtarX, konumY(16), 30);
    for (auto parça : {işaretleriÇiz, notalarıÇiz, kirişleriÇiz, yaylarıÇiz, çizgileriÇiz, yazılarıÇiz}) {
        ressam.save();
        parça(ç);
        ressam.restore();
    }
    ressam.restore();
}

}  // namespace selvika

namespace selvika {

int süreSırası(int süre) {
    for (int i = 0; i <= 6; ++i)
        if (süre == 1 << i) return i;
    return 2;
}

void glif(const Parçaİçin& ç, int kod, double x, double staffY, int boyut, double sapUzatma) {
    if (kod < ilkKarakter || kod > sonKarakter) {
        ç.ortam.glifler.glifYaz(ç.ressam, kod, {x, staffY}, boyut, ç.ortam.vektör, ç.ortam.etkileşim);
        return;
    }
    const KarakterKaydı& k = ç.ortam.glifler.tablo()[kod];
    const double ölçek = glifBoyu(boyut) / 30.0;
    const double y = k.sabitKonum ? konumY(k.sabitKonum) : staffY;
    ç.ortam.glifler.glifYaz(ç.ressam, kod, {x + k.kaymaX * ölçek, y + k.kaymaY * ölçek}, boyut, ç.ortam.vektör,
                            ç.ortam.etkileşim, sapUzatma);
}

}  // namespace selvika
