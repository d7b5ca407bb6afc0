#pragma once

#include "core/element.h"
#include "core/text_records.h"

namespace selvika {

// The font record of the score header that the usul numerals use.
inline constexpr int usulYazıTipi = 6;

// `usuleni`: the width of an usul element, the wider of its numerator and
// denominator in the usul font.
void usuleni(Eleman& e, const YazıTipi& yazıTipi);

}  // namespace selvika
