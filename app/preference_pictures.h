#pragma once

#include <QPixmap>

namespace selvika {

// The small pictures of the preferences dialog's choices, drawn by the same
// pieces as the score.
QPixmap trioleResmi(int parantezli);       // a triplet with its curve, or its number alone
QPixmap çizgiResmi(int çizgiStili);        // line styles 0..4: solid, dash, dot, dash-dot, dash-dot-dot
QPixmap kalınlıkResmi(int kalınlık);       // a slur of thickness 1..3
QPixmap güfteYeriResmi(int yer);           // syllables centred under the notes, or from their heads

}  // namespace selvika
