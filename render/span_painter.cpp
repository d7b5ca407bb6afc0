// Marks that span elements: slurs and triplet curves, hairpins, voltas and
// instrument-passage lines.

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <optional>

#include "core/articulations.h"
#include "render/bar_lines.h"
#include "render/box_recording.h"
#include "render/glyph_source.h"
#include "render/painting_parts.h"
#include "render/slur_geometry.h"

namespace selvika {
namespace {

constexpr double birim = 10.0;
constexpr double başPayı = 7;  // how far a slur keeps from the heads it passes over
// Above the staff, from the top: the instrument line, the volta, the hairpin.
constexpr double sazY = 4, dolapY = 10, çatalY = 27;

// The element after `ilk` whose mark `durum(e)` is 3, if one comes.
template <class Durum>
std::optional<int> bitişi(const Parçaİçin& ç, int ilk, Durum durum) {
    for (int j = ilk + 1; j <= ç.adet; ++j)
        if (durum(ç.satır.elemanlar[j]) == yayDurumu::bitiş) return j;
    return std::nullopt;
}

// How high the curve must bulge to clear every head between its ends.
double başlarınÜstü(const Parçaİçin& ç, int ilk, int son, const YayUçları& u, bool yukarı) {
    const double L = std::max(u.x2 - u.x1, 1.0);
    double h = 0;
    for (int i = ilk + 1; i < son; ++i) {
        const Eleman& e = ç.satır.elemanlar[i];
        if (!e.nota()) continue;
        const double t = (başX(e) + 6 - u.x1) / L;
        if (t <= 0.05 || t >= 0.95) continue;
        const double kirişY = u.y1 + (u.y2 - u.y1) * t;
        const double gerek = yukarı ? kirişY - (konumY(e.tür) - başPayı) : (konumY(e.tür) + başPayı) - kirişY;
        h = std::max(h, gerek / (3 * t * (1 - t) * 4.0 / 3));
    }
    return std::min(h, 40.0);
}

// A curve's ends lie over a head whose stem hangs down and under one whose
// stem stands up, as the stems are drawn: a beamed note may turn its stem
// against its own letter, and its end moves round the head with it.
YayUçları çizilenSaplara(const Parçaİçin& ç, YayUçları u, int ilk, int son) {
    const double öteYan = 2 * editörÖlçeği.satırAralığı;
    u.y1 += öteYan * (int(sapAşağı(ç.satır.elemanlar[ilk])) - int(sapAşağı(ç, ilk)));
    u.y2 += öteYan * (int(sapAşağı(ç.satır.elemanlar[son])) - int(sapAşağı(ç, son)));
    return u;
}

// A slur bulges by its shape values, and never less than its heads ask.
void yaylar(const Parçaİçin& ç) {
    const auto& k = ç.ortam.glifler.kalınlıklar();
    for (const YayYeri& yay : satırınYayları(ç.satır)) {
        const KutuKapsamı kutu(ç.ressam, KutuTürü::slur, yay.ilk);
        const YayUçları u = çizilenSaplara(
            ç, yayUçları(ç.satır, yay.ilk, yay.son, yay.katman, editörÖlçeği, çizimGenişliği), yay.ilk, yay.son);
        const bool yukarı = sapAşağı(ç, yay.ilk);
        const YayBiçimi b = yayBiçimi(ç.satır, yay);
        const double pay = başlarınÜstü(ç, yay.ilk, yay.son, u, yukarı);
        yayÇiz(ç.ressam, {u.x1, u.y1}, {u.x2, u.y2}, std::max(b.ilkYükseklik, pay), std::max(b.sonYükseklik, pay),
               yukarı, k.yayOrta * ç.tercihler.liezonKatı, k.yayUç * ç.tercihler.liezonKatı);
    }
}

// Layer 5: a flat curve over the three members with the 3 at its top, or
// the 3 alone where the curve would be.
void trioleler(const Parçaİçin& ç) {
    const auto& k = ç.ortam.glifler.kalınlıklar();
    for (int i = 1; i + 2 <= ç.adet; ++i) {
        if (ç.satır.elemanlar[i].triole.trioleYeri != 1) continue;
        const KutuKapsamı kutu(ç.ressam, KutuTürü::tuplet, i);
        const YayUçları u =
            çizilenSaplara(ç, yayUçları(ç.satır, i, i + 2, trioleKatmanı, editörÖlçeği, çizimGenişliği), i, i + 2);
        const bool yukarı = sapAşağı(ç, i);
        const double h = 6;
        if (ç.tercihler.trioleParantezi)
            yayÇiz(ç.ressam, {u.x1, u.y1}, {u.x2, u.y2}, h, h, yukarı, k.ince, k.ince / 2);
        const double tepe = (u.y1 + u.y2) / 2 + (yukarı ? -h - 2 : h + 2);
        // The 3's ink centred where the curve's ends centre it: over the heads.
        const KarakterKaydı& z = ç.ortam.glifler.tablo()['Z'];
        const double ortası = z.kaymaX - z.kökSütunu + z.genişlik / 2.0;
        glif(ç, 'Z', (u.x1 + u.x2) / 2 - ortası, yukarı ? tepe : tepe + 9, 30);
    }
}

void çatal(const Parçaİçin& ç, int ilk, int son) {
    const Eleman& a = ç.satır.elemanlar[ilk];
    const double x1 = başX(a), x2 = başX(ç.satır.elemanlar[son]) + 12, y = çatalY, açı = 4;
    const bool azalan = a.kresendo.ikinci != 0;  // the opening end on the right unless marked decreasing
    const double solAçı = azalan ? açı : 0, sağAçı = azalan ? 0 : açı;
    const double kalın = ç.ortam.glifler.kalınlıklar().ince;
    çizgi(ç.ressam, {x1, y - solAçı}, {x2, y - sağAçı}, kalın);
    çizgi(ç.ressam, {x1, y + solAçı}, {x2, y + sağAçı}, kalın);
}

// The right end of a bracket over elements up to `son`: the end of that
// element, or near the picture's edge for a bracket left open.
std::optional<double> elemanSonu(const Parçaİçin& ç, std::optional<int> son) {
    if (!son) return std::nullopt;
    return başX(ç.satır.elemanlar[*son]) + ç.satır.elemanlar[*son].genişlik;
}

// A volta closes at the bar line after its last element: the closing bar
// line at the staff's end, another in the middle of its element.
std::optional<double> dolapSonu(const Parçaİçin& ç, std::optional<int> son) {
    if (!son) return std::nullopt;
    const int j = sonrakiÇizgi(ç.satır, *son);
    if ((j == 0 || j == ç.adet) && kapanışÇizgisi(ç.satır) != ÇizgiTürü::yok) return ç.porteSonu;
    if (j == 0) return elemanSonu(ç, son);
    return başX(ç.satır.elemanlar[j]) + ç.satır.elemanlar[j].genişlik / 2.0;
}

// A bracket above the staff from an element to `sağ`, hooks down, its label
// at the start in `yazı`.
void köşeli(const Parçaİçin& ç, int ilk, std::optional<double> sağ, double y, const QString& etiket, const QFont& yazı,
            ÇizgiStili stil) {
    const double kalın = ç.ortam.glifler.kalınlıklar().ince;
    const double x1 = başX(ç.satır.elemanlar[ilk]) - 2;
    const double x2 = sağ.value_or(çizimGenişliği - 10);
    ç.ressam.save();
    ç.ressam.setPen(çizgiKalemi(stil, kalın));
    ç.ressam.drawLine(QPointF(x1, y), QPointF(x2, y));
    ç.ressam.drawLine(QPointF(x1, y), QPointF(x1, y + 12));
    if (sağ) ç.ressam.drawLine(QPointF(x2, y), QPointF(x2, y + 12));
    ç.ressam.setFont(yazı);
    ç.ressam.drawText(QPointF(x1 + 3, y + QFontMetricsF(yazı).ascent() + 1), etiket);
    ç.ressam.restore();
}

void çizgiİşaretleri(const Parçaİçin& ç) {
    const EserBaşlık& b = ç.ortam.başlık;
    for (int i = 1; i <= ç.adet; ++i) {
        const Eleman& e = ç.satır.elemanlar[i];
        if (e.kresendo.kresendo == yayDurumu::başlangıç)
            if (auto son = bitişi(ç, i, [](const Eleman& x) { return x.kresendo.kresendo; })) {
                const KutuKapsamı kutu(ç.ressam, KutuTürü::hairpin, i);
                çatal(ç, i, *son);
            }
        if (e.dolap.dolap == yayDurumu::başlangıç) {
            const KutuKapsamı kutu(ç.ressam, KutuTürü::volta, i);
            köşeli(ç, i, dolapSonu(ç, bitişi(ç, i, [](const Eleman& x) { return x.dolap.dolap; })), dolapY,
                   QString::fromStdString(e.dolap.etiket.trimmed()), qtYazıTipi(b.yazıTipleri[5]), ç.tercihler.dolap);
        }
        if (e.saz.durum == yayDurumu::başlangıç) {
            const KutuKapsamı kutu(ç.ressam, KutuTürü::passage, i);
            köşeli(ç, i, elemanSonu(ç, bitişi(ç, i, [](const Eleman& x) { return x.saz.durum; })), sazY, {},
                   qtYazıTipi(b.yazıTipleri[4]), ç.tercihler.saz);
        }
    }
}

}  // namespace

// A curve over the chord a..b as a crescent, thick in the middle and thin at
// the ends, the way slurs are engraved. It bulges h1 over the first half
// and h2 over the second: a cubic whose control points stand 4/3 of that
// high puts the crest where the two heights meet.
void yayÇiz(QPainter& ressam, QPointF a, QPointF b, double h1, double h2, bool yukarı, double orta, double uç) {
    const QLineF kiriş(a, b);
    const double L = std::max(kiriş.length(), 1.0);
    ressam.save();
    ressam.translate(a);
    ressam.rotate(-kiriş.angle());
    const double yön = yukarı ? -4.0 / 3 : 4.0 / 3;
    const double kalınlık = (orta - uç) * birim;
    QPainterPath yol;
    yol.cubicTo(L / 4, yön * h1, L * 3 / 4, yön * h2, L, 0);
    yol.cubicTo(L * 3 / 4, yön * std::max(h2 - kalınlık, 0.5), L / 4, yön * std::max(h1 - kalınlık, 0.5), 0, 0);
    ressam.setPen(QPen(Qt::black, uç * birim));
    ressam.setBrush(Qt::black);
    ressam.drawPath(yol);
    ressam.restore();
}

// Half ties: on the line's last note a tie running to the end of the staff,
// on its first a tie coming from the clef, each the half of a curve whose
// crest lies at that end (shaped by the mark block's value, or a tie's
// usual height); on any other note the short tie glyph.
void yarımBağlar(const Parçaİçin& ç) {
    constexpr double bağYüksekliği = 6;
    const auto& k = ç.ortam.glifler.kalınlıklar();
    for (int j = 1; j <= ç.adet; ++j) {
        const Eleman& e = ç.satır.elemanlar[j];
        if (!e.nota() || !artikülasyon::yarımBağ(e)) continue;
        const KutuKapsamı kutu(ç.ressam, KutuTürü::slur, j);
        const int katman = yarımBağKatmanı(ç.satır, j);
        if (katman == 0) {
            glif(ç, sapAşağı(e) ? 129 : 130, başX(e) + 12, konumY(e.tür), glifBoyu(e.boyut));
            continue;
        }
        const bool solda = katman == girenYarımBağ;
        const double uç = solda ? anahtarSonu : ç.porteSonu;
        YayUçları u = yayUçları(ç.satır, j, j, katman, editörÖlçeği, int(ç.porteSonu));
        if (solda) u.x1 = 2 * uç - u.x2;
        const Integer değer = e.heceAralığı.yayYükseklik;
        const double h = değer != 0 ? değer : bağYüksekliği;
        ç.ressam.save();
        const QRectF görünen(solda ? uç : 0, 0, solda ? çizimGenişliği : uç, çizimYüksekliği);
        ç.ressam.setClipRect(görünen, Qt::IntersectClip);
        yayÇiz(ç.ressam, {u.x1, u.y1}, {u.x2, u.y2}, h, h, sapAşağı(e), k.yayOrta * ç.tercihler.liezonKatı,
               k.yayUç * ç.tercihler.liezonKatı);
        ç.ressam.restore();
    }
}

void yaylarıÇiz(const Parçaİçin& ç) {
    yaylar(ç);
    yarımBağlar(ç);
    trioleler(ç);
}

void çizgileriÇiz(const Parçaİçin& ç) { çizgiİşaretleri(ç); }

}  // namespace selvika
