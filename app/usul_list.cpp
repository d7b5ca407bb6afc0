#include "app/usul_list.h"

#include <QAction>
#include <QMouseEvent>

#include "app/qt_paths.h"
#include "rhythm/usul_numerals.h"

namespace selvika {

UsulListesi::UsulListesi(QAction& Mn_Usul, QWidget* üst)
    : QListWidget(üst), Mn_Usul_(Mn_Usul), menüBaşlığı_(Mn_Usul.text()) {
    setObjectName("List2");
    for (int kod = 0; kod < usulSayısı; ++kod) addItem(qtMetin(usulBaşlığı(kod)));
    setGeometry(655, 10, 130, 560);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hide();
}

void UsulListesi::aç() {
    show();
    raise();
    setFocus();
}

void UsulListesi::mousePressEvent(QMouseEvent* olay) {
    if (QListWidgetItem* öğe = itemAt(olay->position().toPoint())) {
        setCurrentItem(öğe);
        seçilen_ = row(öğe);
    }
    hide();
    List2_Click();
}

void UsulListesi::List2_Click() {
    if (seçilen_) Mn_Usul_.setText(item(*seçilen_)->text());
}

void UsulListesi::seç(std::optional<int> usul) {
    const bool var = usul && *usul >= 0 && *usul < count();
    seçilen_ = var ? usul : std::nullopt;
    setCurrentRow(var ? *usul : -1);
    Mn_Usul_.setText(var ? item(*usul)->text() : menüBaşlığı_);
}

void UsulListesi::focusOutEvent(QFocusEvent* olay) {
    QListWidget::focusOutEvent(olay);
    hide();
}

}  // namespace selvika
