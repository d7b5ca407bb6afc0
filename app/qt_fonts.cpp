#include "app/qt_fonts.h"

#include <QFontDatabase>

namespace selvika {

QtYazıTipleri::QtYazıTipleri() : aileler_(QFontDatabase::families()) {}

// Face names are matched without regard to case, as on the system the
// scores come from.
bool QtYazıTipleri::var(const std::string& yüz) const {
    return aileler_.contains(QString::fromStdString(yüz), Qt::CaseInsensitive);
}

std::string QtYazıTipleri::yerineGeçen() const {
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family().toStdString();
}

}  // namespace selvika
