#include "render/page_export.h"

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "render/page_painter.h"

namespace selvika {

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
    for (int s = 1; s <= sayfaSayısı; ++s) {
        if (!sayfadaSatırVar(eser, s)) continue;
        if (!ilk) pdf.newPage();
        ilk = false;
        sayfaÇiz(ressam, eser, s, ortam);
    }
    return ressam.end();
}

}  // namespace selvika
