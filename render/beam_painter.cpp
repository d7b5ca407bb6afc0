// Beam groups: stems from the heads to a sloped beam line, one beam per
// level the neighbours share and stubs where a shorter value stands alone.

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "render/beam_geometry.h"
#include "render/box_recording.h"
#include "render/glyph_source.h"
#include "render/painting_parts.h"

namespace selvika {
namespace {

constexpr double birim = 10.0;
constexpr double sapBoyu = 3.5 * birim;
constexpr double başınSağı = 11.8;           // a stem up stands on the head's right edge
constexpr double kütükBoyu = 1.1 * birim;    // a stub's length

struct Gurup {
    int ilk, son;
};

std::vector<Gurup> guruplar(const Parçaİçin& ç) {
    std::vector<Gurup> g;
    for (int i = 1; i <= ç.adet; ++i) {
        if (ç.satır.elemanlar[i].gurup.gurupYeri != 1) continue;
        int j = i + 1;
        while (j <= ç.adet && ç.satır.elemanlar[j].gurup.gurupYeri == 2) ++j;
        if (j <= ç.adet && ç.satır.elemanlar[j].gurup.gurupYeri == 3) g.push_back({i, j});
        i = j;
    }
    return g;
}

void gurupÇiz(const Parçaİçin& ç, Gurup g) {
    const auto& k = ç.ortam.glifler.kalınlıklar();
    const bool yukarı = !sapAşağı(ç, g.ilk);
    const double yön = yukarı ? 1 : -1;  // from the beam towards the heads
    std::vector<KirişÜyesi> üyeler;
    std::vector<Byte> kodlar;
    for (int i = g.ilk; i <= g.son; ++i) {
        const Eleman& e = ç.satır.elemanlar[i];
        const double sapKalın = k.sap * birim;
        üyeler.push_back({başX(e) + (yukarı ? başınSağı - sapKalın / 2 : sapKalın / 2), konumY(e.tür)});
        if (i < g.son) kodlar.push_back(e.gurup.kiriş);
    }
    const auto parçalar = kirişParçaları(kodlar);
    int seviyeler = 1;
    for (const auto& p : parçalar) seviyeler = std::max(seviyeler, p.seviye);
    const double adım = (k.kiriş + k.kirişAralığı) * birim;
    const KirişHattı hat = kirişHattı(üyeler, yukarı, sapBoyu + std::max(0, seviyeler - 2) * adım, birim, konumY(14));
    for (const KirişÜyesi& ü : üyeler) {
        const KutuKapsamı kutu(ç.ressam, KutuTürü::stem, g.ilk + int(&ü - üyeler.data()));
        çizgi(ç.ressam, {ü.sapX, ü.başY - yön * 1.68}, {ü.sapX, hat.y(ü.sapX)}, k.sap);
    }
    ç.ressam.setPen(Qt::NoPen);
    ç.ressam.setBrush(Qt::black);
    const double yarımSap = k.sap * birim / 2;
    for (const KirişParçası& p : parçalar) {
        const KutuKapsamı kutu(ç.ressam, KutuTürü::beam, g.ilk + p.ilk);
        double x1 = üyeler[p.ilk].sapX, x2 = üyeler[p.son].sapX;
        if (p.yön < 0) x1 -= kütükBoyu;
        if (p.yön > 0) x2 += kütükBoyu;
        x1 -= yarımSap;
        x2 += yarımSap;
        const double d = yön * (p.seviye - 1) * adım, t = yön * k.kiriş * birim;
        ç.ressam.drawPolygon(QPolygonF{{x1, hat.y(x1) + d}, {x2, hat.y(x2) + d}, {x2, hat.y(x2) + d + t},
                                       {x1, hat.y(x1) + d + t}});
    }
}

}  // namespace

void kirişleriÇiz(const Parçaİçin& ç) {
    for (Gurup g : guruplar(ç)) gurupÇiz(ç, g);
}

}  // namespace selvika
