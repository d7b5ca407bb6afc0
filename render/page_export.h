#pragma once

#include <QImage>
#include <filesystem>
#include <vector>

#include "core/score.h"
#include "render/drawn_boxes.h"
#include "render/engraved_page_painter.h"
#include "render/line_painter.h"

namespace selvika {

// PDF points a page pixel takes: pages are written at 96 dots an inch.
inline constexpr double noktaBaşınaPiksel = 72.0 / 96.0;

// A staff space of the printed page in PDF points.
double basılıPorteAralığı();

// How many pages the score has in that composition: those with lines by the
// page records, as many as the print layout fills.
int sayfaAdedi(const Eser& eser, SayfaDüzeni düzen, const ÇizimOrtamı& ortam);

// Page n in that composition (by the page records, as the page view shows
// it by default).
QImage sayfaResmi(const Eser& eser, int sayfa, const ÇizimOrtamı& ortam, SayfaDüzeni düzen);

// Every page into one vector PDF of A4 pages; false when the file cannot be
// written.
bool eserPdf(const Eser& eser, const std::filesystem::path& yol, const ÇizimOrtamı& ortam, SayfaDüzeni düzen);

// The boxes of what the PDF's pages draw, page by page (numbered as in the
// PDF), in PDF points from each page's top left.
std::vector<SayfaKutuları> eserKutuları(const Eser& eser, const ÇizimOrtamı& ortam, SayfaDüzeni düzen);

}  // namespace selvika
