#pragma once

#include "core/line.h"

namespace selvika {

// The bar-line kinds of a line and what each draws:
//
//   kind  char  drawn as
//   43    +     single bar line
//   33    !     double bar line (end of a section)
//   34    "     final bar line
//   37    %     repeat start
//   38    &     repeat end
//   39    '     repeat end and start
//   41    )     double bar line
//   44..51      single bar line (measure-closing kinds without a look of their own)
enum class ÇizgiTürü { yok, tek, çift, son, tekrarBaşı, tekrarSonu, tekrarİkisi };

ÇizgiTürü ölçüÇizgisiTürü(Byte tür);

// The glyph sheet code that draws it.
int ölçüÇizgisiGlifi(ÇizgiTürü t);

// The bar line of the line-end kind `satırSonu` (core/line.h), and the room
// the layout keeps for it at the line's end: 2 pixels for a single, 6 for a
// double and 10 for the final bar line, each about its glyph's width, so that
// the bar lands at the element area's end.
ÇizgiTürü satırSonuÇizgisi(Byte satırSonu);
int satırSonuPayı(Byte satırSonu);

// The bar line drawn at the end of a line: that of its line-end kind, which
// takes the place of a bar line the line ends with; else that bar line;
// `yok` for a line that ends without one.
ÇizgiTürü kapanışÇizgisi(const Satır& satır);

// Whether the line's last element is a bar line, which the closing bar line
// is drawn in place of.
bool çizgiyleBiter(const Satır& satır);

// The first bar-line element from element `ilk` on, where a volta ending
// on `ilk` closes; 0 when none follows in the line.
int sonrakiÇizgi(const Satır& satır, int ilk);

}  // namespace selvika
