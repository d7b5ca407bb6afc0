#pragma once

#include <QPixmap>

namespace selvika {

// The small pictures of the preferences dialog's choices.
QPixmap trioleResmi(int parantezli);       // a triplet with or without its bracket
QPixmap çizgiResmi(int çizgiStili);        // line styles 0..4: solid, dash, dot, dash-dot, dash-dot-dot
QPixmap kalınlıkResmi(int kalınlık);       // a slur of that thickness
QPixmap güfteYeriResmi(int üstte);         // lyrics under or over the notes

}  // namespace selvika
