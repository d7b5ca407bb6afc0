#include "app/makam_list.h"

#include <QAction>

#include "app/qt_paths.h"
#include "pitch/key_signature_commands.h"
#include "pitch/key_signatures.h"

namespace selvika {

MakamListesi::MakamListesi(QAction& Mn_donanım, EserOturumu& oturum, Etkileşim& etkileşim, QWidget* üst)
    : QListWidget(üst),
      Mn_donanım_(Mn_donanım),
      menüBaşlığı_(Mn_donanım.text()),
      oturum_(oturum),
      etkileşim_(etkileşim) {
    setObjectName("List1");
    // Room above the capitals for the dots of Ü.
    setStyleSheet("QListWidget::item { padding: 1px 0px; }");
    for (const Makam& m : makamListesi()) {
        auto* öğe = new QListWidgetItem(qtMetin(m.ad), this);
        öğe->setData(Qt::UserRole, m.kod);
    }
    hide();
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* öğe) { List1_Click(row(öğe)); });
}

void MakamListesi::aç() {
    show();
    raise();
    setFocus();
}

void MakamListesi::List1_Click(int satır) {
    QListWidgetItem* öğe = item(satır);
    if (!öğe) return;
    hide();
    const auto kod = static_cast<Byte>(öğe->data(Qt::UserRole).toInt());
    seçilenKod_ = kod;
    setCurrentRow(satır);
    const bool formu = kod == kullanıcıTanımlı && oturum_.açık() &&
                       kullanıcıDonanımıDüzenlensinMi(oturum_.eser().başlık.donanım, etkileşim_);
    Mn_donanım_.setText(öğe->text());
    if (formu && donanımFormuAç) donanımFormuAç();
}

void MakamListesi::seç(std::optional<Byte> kod) {
    seçilenKod_.reset();
    setCurrentRow(-1);
    Mn_donanım_.setText(menüBaşlığı_);
    for (int satır = 0; kod && satır < count(); ++satır) {
        if (item(satır)->data(Qt::UserRole).toInt() != *kod) continue;
        seçilenKod_ = kod;
        setCurrentRow(satır);
        Mn_donanım_.setText(item(satır)->text());
        return;
    }
}

void MakamListesi::focusOutEvent(QFocusEvent* olay) {
    QListWidget::focusOutEvent(olay);
    hide();
}

}  // namespace selvika
