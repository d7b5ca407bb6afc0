// Texts of a line: syllables with their extension lines, expression texts,
// and the "Kanallar" and "Seyir" overlays.

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "pitch/melodic_direction.h"
#include "render/box_recording.h"
#include "render/glyph_source.h"
#include "render/painting_parts.h"
#include "render/syllables.h"

namespace selvika {
namespace {

constexpr double heceTabanı = 70;   // the first verse row's baseline, above heceKayması
constexpr double ayetAralığı = 20;  // between verse rows
constexpr double kanalY = 160, seyirY = 170;
constexpr double başEni = 12;

QString metin(const std::string& s) { return QString::fromStdString(s); }

double heceSatırıY(const Satır& s, int r) { return s.heceKayması + heceTabanı + r * ayetAralığı; }

// A hyphen centred in the white between two syllables of a word; after the
// last syllable of a system, when the word goes on in the next one.
void tire(const Parçaİçin& ç, const QFontMetricsF& m, double sol, double sağ, double y, int eleman) {
    const double en = m.horizontalAdvance(QLatin1Char('-'));
    const KutuKapsamı kutu(ç.ressam, KutuTürü::extender, eleman);
    ç.ressam.drawText(QPointF((sol + sağ - en) / 2, y), QStringLiteral("-"));
}

// Syllables stand under their heads as the preferences place them; one that
// would touch its neighbour in the row moves right. The engraved page sets
// the hyphens of words split into syllables.
void heceler(const Parçaİçin& ç) {
    const auto dağılım = heceleriDağıt(ç.satır);
    const QFont f = qtYazıTipi(ç.ortam.başlık.yazıTipleri[3]);
    const QFontMetricsF m(f);
    const double boşluk = m.horizontalAdvance(' ');
    const bool gravür = ç.ortam.gravürSonu > 0;
    ç.ressam.setFont(f);
    ç.ressam.setPen(Qt::black);
    for (int r = 0; r < ayetSatırı; ++r) {
        double öncekiSon = -1e9;
        int tireBekleyen = 0;
        const double y = heceSatırıY(ç.satır, r);
        for (int i = 1; i <= ç.adet; ++i) {
            const std::string& yazılan = dağılım[i][r];
            if (yazılan.empty() || yerTutucu(yazılan)) continue;
            const std::string hece = gravür ? tiresiz(yazılan) : yazılan;
            const Eleman& e = ç.satır.elemanlar[i];
            const double en = m.horizontalAdvance(metin(hece));
            const double x = std::max(heceSolu(başX(e) + e.heceAyarı, başEni, en, ç.tercihler.güfteYeri),
                                      öncekiSon + boşluk);
            if (tireBekleyen != 0) tire(ç, m, öncekiSon, x, y, tireBekleyen);
            const KutuKapsamı kutu(ç.ressam, KutuTürü::syllable, i);
            ç.ressam.drawText(QPointF(x, y), metin(hece));
            öncekiSon = x + en;
            tireBekleyen = gravür && sözcükSürer(yazılan) ? i : 0;
        }
        if (tireBekleyen != 0) tire(ç, m, öncekiSon, öncekiSon + 2 * boşluk + m.horizontalAdvance('-'), y, tireBekleyen);
    }
}

// An extension line runs from its syllable to the end of the last note the
// syllable is held over; on an engraved page it starts clear of the
// syllable's end, which stands centred under the head.
void uzatmaÇizgileri(const Parçaİçin& ç) {
    const double kalın = ç.ortam.glifler.kalınlıklar().ince;
    const auto dağılım = heceleriDağıt(ç.satır);
    const QFontMetricsF m(qtYazıTipi(ç.ortam.başlık.yazıTipleri[3]));
    for (int i = 1; i <= ç.adet; ++i) {
        if (ç.satır.elemanlar[i].heceÇizgi.durum != yayDurumu::başlangıç) continue;
        for (int j = i + 1; j <= ç.adet; ++j)
            if (ç.satır.elemanlar[j].heceÇizgi.durum == yayDurumu::bitiş) {
                const KutuKapsamı kutu(ç.ressam, KutuTürü::extender, i);
                const double y = heceSatırıY(ç.satır, 0) + 1;
                double x1 = başX(ç.satır.elemanlar[i]) + başEni;
                const double x2 = başX(ç.satır.elemanlar[j]) + başEni;
                if (ç.ortam.gravürSonu > 0 && !dağılım[i][0].empty() && !yerTutucu(dağılım[i][0]))
                    x1 = başX(ç.satır.elemanlar[i]) + (başEni + m.horizontalAdvance(metin(dağılım[i][0]))) / 2 + 1;
                ç.ressam.setPen(çizgiKalemi(ç.tercihler.heceDevam, kalın));
                ç.ressam.drawLine(QPointF(x1, y), QPointF(std::max(x1, x2), y));
                break;
            }
    }
}

// On an engraved page an expression stays on its staff's width, and one
// that would run into the expression before it moves right of it, or up a
// row where the staff has no room left.
void ifadeler(const Parçaİçin& ç) {
    const bool gravür = ç.ortam.gravürSonu > 0;
    std::vector<QRectF> konan;
    for (int k = 1; k <= 3; ++k) {
        const İfade& ifade = ç.satır.ifadeler[k];
        if (!ifade.kullanımda()) continue;
        const KutuKapsamı kutu(ç.ressam, KutuTürü::text, 0);
        const QFont f = qtYazıTipi(ifade.yazıTipi);
        const QFontMetricsF m(f);
        const QString yazı = metin(ifade.metin.trimmed());
        QPointF yer(ifade.konum1, ifade.konum2);
        if (gravür) {
            const double en = m.horizontalAdvance(yazı), boşluk = m.horizontalAdvance(' ');
            const auto alan = [&] { return QRectF(yer.x(), yer.y() - m.ascent(), en, m.height()); };
            yer.setX(std::clamp(yer.x(), porteBaşı, ç.ortam.gravürSonu - en));
            for (const QRectF& önceki : konan) {
                if (!alan().intersects(önceki)) continue;
                if (önceki.right() + boşluk + en <= ç.ortam.gravürSonu) yer.setX(önceki.right() + boşluk);
                else yer.setY(önceki.top() - m.descent());
            }
            konan.push_back(alan());
        }
        ç.ressam.setFont(f);
        ç.ressam.drawText(yer, yazı);
    }
}

QString seyirİşareti(Seyir seyir) {
    switch (seyir) {
        case Seyir::çıkış: return QStringLiteral("/");
        case Seyir::iniş: return QStringLiteral("\\");
        case Seyir::düz: break;
    }
    return QStringLiteral("?");
}

void katmanlar(const Parçaİçin& ç) {
    if (!ç.ortam.kanallar && !ç.ortam.seyir) return;
    const auto seyir = satırSeyri(ç.satır, ç.ortam.başlık.donanım);
    ç.ressam.setFont(qtYazıTipi(ç.ortam.başlık.yazıTipleri[3]));
    for (int i = 1; i <= ç.adet; ++i) {
        const Eleman& e = ç.satır.elemanlar[i];
        if (ç.ortam.kanallar && e.tür < 32) ç.ressam.drawText(QPointF(başX(e), kanalY), QString::number(e.kanal));
        if (ç.ortam.seyir && e.nota()) ç.ressam.drawText(QPointF(başX(e), seyirY), seyirİşareti(seyir[i]));
    }
}

}  // namespace

void yazılarıÇiz(const Parçaİçin& ç) {
    heceler(ç);
    uzatmaÇizgileri(ç);
    ifadeler(ç);
    katmanlar(ç);
}

}  // namespace selvika
