#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace selvika {

bool qtÇevirileriniYükle(QCoreApplication& uygulama) {
    auto* çeviri = new QTranslator(&uygulama);
    if (!çeviri->load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete çeviri;
        return false;
    }
    return QCoreApplication::installTranslator(çeviri);
}

}  // namespace selvika
