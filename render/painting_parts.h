#pragma once

// The pieces of a line drawing, each in editor units (10 pixels between staff
// lines, top line at y 60); line_painter.cpp calls them in order.

#include <QFont>
#include <QPointF>

#include "core/line.h"
#include "render/line_painter.h"

class QPainter;

namespace selvika {

struct Parçaİçin {
    QPainter& ressam;
    const Satır& satır;
    const ÇizimOrtamı& ortam;
    int adet;  // elements 1..adet
    double porteSonu;
    ÇizimTercihleri tercihler;
};

// The staff starts here; the treble clef that opens every line ends at anahtarSonu.
inline constexpr double porteBaşı = 4;
inline constexpr double anahtarSonu = 30;

// Staff y of a position in the line picture.
double konumY(int p);
// The x of an element's note head (its left edge).
double başX(const Eleman& e);
bool sapAşağı(const Eleman& e);
// The stem direction drawn for element i: a beamed note takes its group's.
bool sapAşağı(const Parçaİçin& ç, int i);

// A score font, its size counted in points on a 96-dpi picture times `kat`.
QFont qtYazıTipi(const YazıTipi& y, double kat = 1);
// A line `kalınlık` staff spaces thick.
void çizgi(QPainter& ressam, QPointF a, QPointF b, double kalınlık);
// A horizontal rule from x1 to x2 at y, `kalınlık` staff spaces thick: on a
// raster picture it fills whole pixel rows unsmoothed, so that staff and
// ledger lines print black and sharp at any scale.
void yatayÇizgi(QPainter& ressam, double x1, double x2, double y, double kalınlık);

void notalarıÇiz(const Parçaİçin& ç);
void kirişleriÇiz(const Parçaİçin& ç);
void işaretleriÇiz(const Parçaİçin& ç);
void yaylarıÇiz(const Parçaİçin& ç);
void çizgileriÇiz(const Parçaİçin& ç);
void yazılarıÇiz(const Parçaİçin& ç);

// The width a key-signature element takes (`donanim`).
int donanımEni(const Eleman& e, const EserBaşlık& başlık);
// The font of usul numerals as drawn: the usul font at twice its size.
QFont usulYazıTipi(const EserBaşlık& başlık);

// Prints glyph `kod` for an element by the table's recipe: at the element's
// x and the staff y `staffY`, or on the glyph's own staff position; a note's
// stem lengthened by `sapUzatma` pixels of full size.
void glif(const Parçaİçin& ç, int kod, double x, double staffY, int boyut, double sapUzatma = 0);

// Index 0..6 of a note value 1, 2, 4 .. 64; 2 (a quarter) for anything else.
int süreSırası(int süre);

}  // namespace selvika
