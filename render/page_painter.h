#pragma once

#include "core/defaults.h"
#include "core/score.h"
#include "render/line_painter.h"

#include <QFont>

class QPainter;
class QRectF;

namespace selvika {

// The page surface: A4 at 96 dots an inch, the size the score's defaults
// assume (sayfaYüksekliği; lyric blocks start 30 above its bottom).
inline constexpr int sayfaGenişliği = 794;

// A line shrunk into its band: the page-scale picture (twice the editor's)
// mapped onto 128 pixels of height.
inline constexpr double bantÖlçeği = 128.0 / (2.0 * çizimYüksekliği);
inline constexpr int bantGenişliği = 725;  // çizimGenişliği × 2 × bantÖlçeği
// The page's left offset: lines of the usual element area (up to x 800)
// stand in the middle of the page, and the widest (1020) still fits.
inline constexpr int solPay = 60;

// Lyric blocks wrap at word boundaries, from their top left.
inline constexpr int güfteBiçimi = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
QFont güfteYazıTipi(const Eser& eser);

// Lines that are drawn on pages: up to the last line that holds elements.
bool sayfadaÇizilir(const Eser& eser, int satır);

// `SayfaYaz` with `notayaz`: page `sayfa` (1..20) on a white surface of
// sayfaGenişliği × sayfaYüksekliği: its lines from the page's level down,
// the titles of the score and the lyric blocks of this page. The lines are
// drawn where their bands go, straight onto the page (the same picture as
// copying the strip's bands, but as sharp as the surface allows).
void sayfaÇiz(QPainter& ressam, const Eser& eser, int sayfa, const ÇizimOrtamı& ortam);

// Where title t (1..9) stands on page `sayfa`: its text's width in its own
// font, its line's height, from its y on that page; an empty title is an
// empty rectangle.
QRectF başlıkAlanı(const Eser& eser, int sayfa, int t);

// Where lyric block b (1..6) stands on its page: its text wrapped from its
// position to the right margin in the blocks' font, as the page prints it;
// an empty block has an empty rectangle at its position.
QRectF güfteAlanı(const Eser& eser, int b);

// Whether any line of the page holds elements.
bool sayfadaSatırVar(const Eser& eser, int sayfa);

}  // namespace selvika
