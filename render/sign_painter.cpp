// Bar lines, key signatures and usul numerals.

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "pitch/key_signatures.h"
#include "render/bar_lines.h"
#include "render/box_recording.h"
#include "render/glyph_source.h"
#include "render/key_signature_layout.h"
#include "render/painting_parts.h"
#include "rhythm/usul_numerals.h"

namespace selvika {
namespace {

constexpr int donanımBaşı = 2;   // the first accidental's left edge from the element's x
inline constexpr const char* kullanıcıDonanımıYok = "kullanıcı tanımlı donanım yok";

double harfY(Harf harf) { return konumY(10) + harfYüksekliği(harf) * 5; }

void donanımArızasıÇiz(const Parçaİçin& ç, int değer, Harf harf, double x) {
    if (int kod = donanımGlifi(değer)) ç.ortam.glifler.glifYaz(ç.ressam, kod, {x, harfY(harf)}, 30, ç.ortam.vektör, ç.ortam.etkileşim);
}

void donanımÇiz(const Parçaİçin& ç, const Eleman& e) {
    const double x = başX(e) + donanımBaşı;
    if (e.usulNo != kullanıcıTanımlı) {
        const auto arızalar = donanımArızaları(e.usulNo);
        const DonanımDizilişi d = donanımDizilişi(arızalar);
        for (size_t i = 0; i < arızalar.size(); ++i) donanımArızasıÇiz(ç, arızalar[i].değer, arızalar[i].harf, x + d.xler[i]);
        return;
    }
    const KullanıcıDonanımı& k = ç.ortam.başlık.donanım;
    if (!kullanıcıDonanımıVar(k)) {
        ç.ortam.etkileşim.ikazYaz(kullanıcıDonanımıYok);
        return;
    }
    for (int h = 0; h < harfSayısı; ++h)
        if (k.değerler[h] != 0) donanımArızasıÇiz(ç, k.değerler[h], Harf(h), x + k.xKaymaları[h]);
}

void usulÇiz(const Parçaİçin& ç, const Eleman& e) {
    const QFont f = usulYazıTipi(ç.ortam.başlık);
    const QFontMetricsF m(f);
    const QString pay = QString::fromUtf8(Pay(e.usulNo).data(), Pay(e.usulNo).size());
    const QString alt = QString::fromUtf8(payda(e.usulNo).data(), payda(e.usulNo).size());
    const double en = std::max(m.horizontalAdvance(pay), m.horizontalAdvance(alt));
    ç.ressam.setFont(f);
    ç.ressam.setPen(Qt::black);
    // The numerator's ink centred on the upper half of the staff, the
    // denominator's on the lower.
    auto yaz = [&](const QString& s, int orta) {
        const QRectF mürekkep = m.tightBoundingRect(s);
        ç.ressam.drawText(QPointF(başX(e) + (en - m.horizontalAdvance(s)) / 2, konumY(orta) - mürekkep.center().y()), s);
    };
    yaz(pay, 12);
    yaz(alt, 16);
}

void ölçüÇizgisiÇiz(const Parçaİçin& ç, const Eleman& e) {
    const int kod = ölçüÇizgisiGlifi(ölçüÇizgisiTürü(e.tür));
    if (kod == 0) return;
    const KarakterKaydı& k = ç.ortam.glifler.tablo()[kod];
    glif(ç, kod, başX(e) + (e.genişlik - k.genişlik) / 2.0, konumY(18), 30);
}

// The closing bar line ends the staff; an open end shows, in the editor
// only, a small grey arrow past the staff: printed lines end open.
void satırSonuÇiz(const Parçaİçin& ç) {
    const KutuKapsamı kutu(ç.ressam, KutuTürü::barline, çizgiyleBiter(ç.satır) ? ç.adet : 0);
    if (const int kod = ölçüÇizgisiGlifi(kapanışÇizgisi(ç.satır)))
        glif(ç, kod, ç.porteSonu + 1 - ç.ortam.glifler.tablo()[kod].genişlik, konumY(18), 30);
    if (ç.adet < 1 || ç.satır.satırSonu != satırSonuTürü::açık || !ç.ortam.imleç) return;
    const double x = ç.porteSonu + 3, y = konumY(14);
    ç.ressam.setPen(QPen(Qt::gray, 1.2));
    ç.ressam.drawLine(QPointF(x, y), QPointF(x + 8, y));
    ç.ressam.drawLine(QPointF(x + 5, y - 3), QPointF(x + 8, y));
    ç.ressam.drawLine(QPointF(x + 5, y + 3), QPointF(x + 8, y));
}

}  // namespace

int donanımEni(const Eleman& e, const EserBaşlık& başlık) {
    if (e.usulNo == kullanıcıTanımlı) return kullanıcıDonanımıVar(başlık.donanım) ? başlık.donanım.genişlik + donanımBaşı : donanımGenişliği;
    const double en = donanımDizilişi(donanımArızaları(e.usulNo)).genişlik;
    return std::max<int>(donanımGenişliği, donanımBaşı + int(std::ceil(en)) + 2);
}

void işaretleriÇiz(const Parçaİçin& ç) {
    for (int i = 1; i <= ç.adet; ++i) {
        const Eleman& e = ç.satır.elemanlar[i];
        const KutuKapsamı kutu(ç.ressam, e.tür == tür::donanım ? KutuTürü::keysignature
                                         : e.tür == tür::usul  ? KutuTürü::timesignature
                                                                : KutuTürü::none, i);
        if (e.tür == tür::donanım) donanımÇiz(ç, e);
        else if (e.tür == tür::usul) usulÇiz(ç, e);
        else if (i < ç.adet || !çizgiyleBiter(ç.satır)) ölçüÇizgisiÇiz(ç, e);
    }
    satırSonuÇiz(ç);
}

}  // namespace selvika
