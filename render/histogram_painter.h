#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include "analysis/histogram_bars.h"

namespace selvika {

// The histograms are drawn with low pitches on the left, as the ruler reads:
// a positive shift (lower pitch) moves the bars to the left.

// One histogram (`Graf_Ciz` for one picture): white ground, the koma grid,
// the red bars for the shift, their labels and the title at the top left,
// fitted into `alan` of any paint device.
void histogramÇiz(QPainter& ressam, const QRectF& alan, const PerdeSayımı& sayım, HistogramTürü tür, int öteleme);

// The ruler of degree names under the histograms, aligned with the grid of
// a histogram drawn into the same width.
void perdeCetveliÇiz(QPainter& ressam, const QRectF& alan);

// The height the ruler needs in that font.
double perdeCetveliYüksekliği(const QFont& yazıTipi);

// Both histograms, one above the other, with the ruler under each: what
// `selvika-cli analyse --png` writes.
QImage histogramResmi(const PerdeSayımı& sayım, int öteleme, int genişlik = 1800);

}  // namespace selvika
