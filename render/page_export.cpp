#include "render/page_export.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <functional>

#include "render/box_recording.h"
#include "render/page_painter.h"

namespace selvika {
namespace {

// The pages of a composition, numbered as printed, and how to draw each.
struct Sayfalar {
    std::vector<int> numaralar;
    std::function<void(QPainter&, int)> çiz;
};

Sayfalar sayfalar(const Eser& eser, const ÇizimOrtamı& ortam, SayfaDüzeni düzen) {
    Sayfalar s;
    if (düzen == SayfaDüzeni::baskı) {
        auto baskı = std::make_shared<const BaskıSayfaları>(baskıSayfaları(eser, ortam));
        for (int n = 1; n <= baskı->düzen.sayfaSayısı; ++n) s.numaralar.push_back(n);
        s.çiz = [&eser, &ortam, baskı](QPainter& ressam, int n) { baskıSayfasıÇiz(ressam, eser, *baskı, n, ortam); };
        return s;
    }
    for (int n = 1; n <= sayfaSayısı; ++n)
        if (sayfadaSatırVar(eser, n)) s.numaralar.push_back(n);
    s.çiz = [&eser, &ortam](QPainter& ressam, int n) { sayfaÇiz(ressam, eser, n, ortam); };
    return s;
}

}  // namespace

double basılıPorteAralığı() { return sayfaÖlçeği.satırAralığı * bantÖlçeği * noktaBaşınaPiksel; }

int sayfaAdedi(const Eser& eser, SayfaDüzeni düzen, const ÇizimOrtamı& ortam) {
    return int(sayfalar(eser, ortam, düzen).numaralar.size());
}

QImage sayfaResmi(const Eser& eser, int sayfa, const ÇizimOrtamı& ortam, SayfaDüzeni düzen) {
    QImage resim(sayfaGenişliği, sayfaYüksekliği, QImage::Format_RGB32);
    resim.fill(Qt::white);
    QPainter ressam(&resim);
    if (düzen == SayfaDüzeni::baskı) baskıSayfasıÇiz(ressam, eser, baskıSayfaları(eser, ortam), sayfa, ortam);
    else sayfaÇiz(ressam, eser, sayfa, ortam);
    return resim;
}

bool eserPdf(const Eser& eser, const std::filesystem::path& yol, const ÇizimOrtamı& ortam, SayfaDüzeni düzen) {
    QPdfWriter pdf(QFile::decodeName(yol.c_str()));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(96);
    pdf.setTitle(QString::fromStdString(eser.başlık.başlıklar[1].metin.trimmed()));
    pdf.setCreator(QStringLiteral("Selvika"));
    QPainter ressam;
    if (!ressam.begin(&pdf)) return false;
    const Sayfalar s = sayfalar(eser, ortam, düzen);
    for (std::size_t i = 0; i < s.numaralar.size(); ++i) {
        if (i > 0) pdf.newPage();
        s.çiz(ressam, s.numaralar[i]);
    }
    return ressam.end();
}

std::vector<SayfaKutuları> eserKutuları(const Eser& eser, const ÇizimOrtamı& ortam, SayfaDüzeni düzen) {
    std::vector<SayfaKutuları> kutular;
    const Sayfalar s = sayfalar(eser, ortam, düzen);
    for (int n : s.numaralar) {
        KutuYüzeyi yüzey(sayfaGenişliği, sayfaYüksekliği);
        QPainter ressam(&yüzey);
        s.çiz(ressam, n);
        ressam.end();
        SayfaKutuları sayfa{int(kutular.size()) + 1, sayfaGenişliği * noktaBaşınaPiksel,
                            sayfaYüksekliği * noktaBaşınaPiksel, std::move(yüzey.kayıt.kutular)};
        for (ÇizilenKutu& k : sayfa.kutular)
            k.kutu = {k.kutu.x0 * noktaBaşınaPiksel, k.kutu.y0 * noktaBaşınaPiksel, k.kutu.x1 * noktaBaşınaPiksel,
                      k.kutu.y1 * noktaBaşınaPiksel};
        kutular.push_back(std::move(sayfa));
    }
    return kutular;
}

}  // namespace selvika
