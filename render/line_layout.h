#pragma once

#include <functional>

#include "core/line.h"
#include "render/staff_geometry.h"

namespace selvika {

// What the layout needs measured before it spreads a line: the drawn width
// of a key signature and of an usul numeral, which depend on their content
// and the usul font.
struct ElemanÖlçümü {
    std::function<Byte(const Eleman&)> donanımGenişliği;
    std::function<Byte(const Eleman&)> usulGenişliği;
};

struct YerleşimSonucu {
    double aralık = 0;  // the gap G between elements
    int sonX = 0;       // where the last element ends
};

// `adresle4`: spreads the free width of the line evenly over the gaps
// between its elements and writes every element's x, the line's
// `adresAyarı` and `çizimAyarı`. A line without elements is left alone.
YerleşimSonucu adresle4(Satır& satır, const PorteÖlçeği& ö, const ElemanÖlçümü& ölçüm);

// The beam tightening of an element: how much closer a beamed member is drawn
// to its successor.
int kirişSıkıştırması(const Eleman& e, int ayar4);

}  // namespace selvika
