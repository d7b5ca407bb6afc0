#include "render/score_font.h"

#include <QStringList>

#include "core/font_check.h"

namespace selvika {

QFont yüzYazıTipi(const Text<40>& yüz) {
    const std::string ad = yüz.trimmed();
    QFont f(QString::fromStdString(ad));
    if (const auto eş = eşYüz(ad)) f.setFamilies({QString::fromStdString(ad), QString::fromStdString(*eş)});
    return f;
}

}  // namespace selvika
