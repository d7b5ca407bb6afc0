#include "app/usul_width.h"

#include <QFontMetrics>
#include <algorithm>

#include "app/font_menu.h"
#include "app/qt_paths.h"
#include "rhythm/usul_numerals.h"

namespace selvika {

void usuleni(Eleman& e, const YazıTipi& yazıTipi) {
    const QFontMetrics ölçü(yazıTipiKaydından(yazıTipi));
    const int genişlik = std::max(ölçü.horizontalAdvance(qtMetin(Pay(e.usulNo))),
                                  ölçü.horizontalAdvance(qtMetin(payda(e.usulNo))));
    e.genişlik = static_cast<Byte>(std::min(genişlik, 255));
}

}  // namespace selvika
