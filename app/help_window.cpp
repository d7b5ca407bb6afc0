#include "app/help_window.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/qt_paths.h"
#include "core/startup.h"

namespace selvika {
namespace {

// The help page with the editing keys of the reminder list in their place,
// so the keys are written down once.
QString yardımSayfası() {
    QFile dosya(":/help/yardim.html");
    if (!dosya.open(QIODevice::ReadOnly)) return {};
    QStringList tuşlar;
    for (const std::string& satır : hatırlatmaListesi()) tuşlar << qtMetin(satır).toHtmlEscaped();
    return QString::fromUtf8(dosya.readAll()).replace("{{tuşlar}}", tuşlar.join('\n'));
}

}  // namespace

YardımPenceresi::YardımPenceresi(QWidget* üst) : QWidget(üst, Qt::Window) {
    setObjectName("Yardım");
    setWindowTitle(QString::fromUtf8("Yardım"));
    auto* metin = new QTextBrowser(this);
    metin->setObjectName("YardımMetni");
    metin->setHtml(yardımSayfası());
    auto* düzen = new QVBoxLayout(this);
    düzen->addWidget(metin);
    resize(720, 640);
}

void yardımıGöster(QWidget& üst) {
    QWidget* pencere = üst.findChild<QWidget*>("Yardım", Qt::FindDirectChildrenOnly);
    if (!pencere) pencere = new YardımPenceresi(&üst);
    pencere->show();
    pencere->raise();
}

}  // namespace selvika
