#pragma once

#include <QImage>
#include <filesystem>
#include <vector>

#include "core/score.h"
#include "render/drawn_boxes.h"
#include "render/line_painter.h"

namespace selvika {

// PDF points a page pixel takes: pages are written at 96 dots an inch.
inline constexpr double noktaBaşınaPiksel = 72.0 / 96.0;

// A staff space of the printed page in PDF points.
double basılıPorteAralığı();

// How pages are printed and exported: glyph outlines, each line engraved
// across the staff.
ÇizimOrtamı basılıOrtam(const GlifKaynağı& glifler, const EserBaşlık& başlık, Etkileşim& etkileşim);

// Page n as `ortam` draws it: engraved (basılıOrtam) or as the page view shows it.
QImage sayfaResmi(const Eser& eser, int sayfa, const ÇizimOrtamı& ortam);

// Every page that holds lines into one vector PDF of A4 pages; false when the
// file cannot be written.
bool eserPdf(const Eser& eser, const std::filesystem::path& yol, const ÇizimOrtamı& ortam);

// The boxes of what the PDF's pages draw, page by page (numbered as in the
// PDF), in PDF points from each page's top left.
std::vector<SayfaKutuları> eserKutuları(const Eser& eser, const ÇizimOrtamı& ortam);

}  // namespace selvika
