#pragma once

#include "core/widths.h"

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

}  // namespace selvika
