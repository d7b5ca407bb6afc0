#include "render/page_export.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "render/box_recording.h"
#include "render/page_painter.h"

namespace selvika {
namespace {

// The pages a PDF holds: those with lines.
std::vector<int> basılanSayfalar(const Eser& eser) {
    std::vector<int> sayfalar;
    for (int s = 1; s <= sayfaSayısı; ++s)
        if (sayfadaSatırVar(eser, s)) sayfalar.push_back(s);
    return sayfalar;
}

}  // namespace

ÇizimOrtamı basılıOrtam(const GlifKaynağı& glifler, const EserBaşlık& başlık, Etkileşim& etkileşim) {
    return {.glifler = glifler, .başlık = başlık, .etkileşim = etkileşim, .vektör = true,
            .gravürSonu = basılıPorteSonu, .seçim = {}};
}

double basılıPorteAralığı() { return sayfaÖlçeği.satırAralığı * bantÖlçeği * noktaBaşınaPiksel; }

QImage sayfaResmi(const Eser& eser, int sayfa, const ÇizimOrtamı& ortam) {
    QImage resim(sayfaGenişliği, sayfaYüksekliği, QImage::Format_RGB32);
    resim.fill(Qt::white);
    QPainter ressam(&resim);
    sayfaÇiz(ressam, eser, sayfa, ortam);
    return resim;
}

bool eserPdf(const Eser& eser, const std::filesystem::path& yol, const ÇizimOrtamı& ortam) {
    QPdfWriter pdf(QFile::decodeName(yol.c_str()));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(96);
    pdf.setTitle(QString::fromStdString(eser.başlık.başlıklar[1].metin.trimmed()));
    pdf.setCreator(QStringLiteral("Selvika"));
    QPainter ressam;
    if (!ressam.begin(&pdf)) return false;
    bool ilk = true;
    for (int s : basılanSayfalar(eser)) {
        if (!ilk) pdf.newPage();
        ilk = false;
        sayfaÇiz(ressam, eser, s, ortam);
    }
    return ressam.end();
}

std::vector<SayfaKutuları> eserKutuları(const Eser& eser, const ÇizimOrtamı& ortam) {
    std::vector<SayfaKutuları> sayfalar;
    for (int s : basılanSayfalar(eser)) {
        KutuYüzeyi yüzey(sayfaGenişliği, sayfaYüksekliği);
        QPainter ressam(&yüzey);
        sayfaÇiz(ressam, eser, s, ortam);
        ressam.end();
        SayfaKutuları sayfa{int(sayfalar.size()) + 1, sayfaGenişliği * noktaBaşınaPiksel,
                            sayfaYüksekliği * noktaBaşınaPiksel, std::move(yüzey.kayıt.kutular)};
        for (ÇizilenKutu& k : sayfa.kutular)
            k.kutu = {k.kutu.x0 * noktaBaşınaPiksel, k.kutu.y0 * noktaBaşınaPiksel, k.kutu.x1 * noktaBaşınaPiksel,
                      k.kutu.y1 * noktaBaşınaPiksel};
        sayfalar.push_back(std::move(sayfa));
    }
    return sayfalar;
}

}  // namespace selvika
