#include "app/menus.h"

#include <QMainWindow>
#include <QMenuBar>

#include "app/menu_table.h"
#include "app/qt_paths.h"

namespace selvika {
namespace {

bool öğesiVar(const char* ad) {
    for (const MenüSatırı& s : menüTablosu())
        if (s.üst && qstrcmp(s.üst, ad) == 0) return true;
    return false;
}

QAction* öğeEkle(QMenu& menü, const MenüSatırı& s) {
    QAction* eylem = qstrcmp(s.başlık, "-") == 0 ? menü.addSeparator() : menü.addAction(qtMetin(s.başlık));
    eylem->setText(qtMetin(s.başlık));
    return eylem;
}

}  // namespace

Menüler::Menüler(QMainWindow& pencere) {
    for (const MenüSatırı& s : menüTablosu()) {
        const QString ad = qtMetin(s.ad);
        QAction* eylem = nullptr;
        if (s.yer == MenüYeri::öğe) {
            eylem = öğeEkle(*menüler_.value(qtMetin(s.üst)), s);
        } else if (s.yer == MenüYeri::çubuk && !öğesiVar(s.ad)) {
            eylem = pencere.menuBar()->addAction(qtMetin(s.başlık));
        } else {
            auto* menü = new QMenu(qtMetin(s.başlık), &pencere);
            menü->setObjectName(ad);
            if (s.yer == MenüYeri::çubuk) pencere.menuBar()->addMenu(menü);
            menüler_.insert(ad, menü);
            eylem = menü->menuAction();
        }
        eylem->setObjectName(ad);
        eylem->setEnabled(s.durum != KomutDurumu::sonra);
        eylemler_.insert(ad, eylem);
    }
}

QAction* Menüler::eylem(const char* ad) const { return eylemler_.value(qtMetin(ad)); }

QMenu* Menüler::menü(const char* ad) const { return menüler_.value(qtMetin(ad)); }

void Menüler::MenuKilitle() { kilitle(true); }

void Menüler::MenükilitAç() { kilitle(false); }

void Menüler::kilitle(bool kilitli) {
    for (const MenüSatırı& s : menüTablosu())
        if (s.durum == KomutDurumu::eserle || s.durum == KomutDurumu::düzenlemede)
            eylemler_.value(qtMetin(s.ad))->setEnabled(!kilitli);
}

void Menüler::icraKipi(bool açık) {
    for (const MenüSatırı& s : menüTablosu()) {
        QAction* eylem = eylemler_.value(qtMetin(s.ad));
        if (s.durum == KomutDurumu::icrada) eylem->setEnabled(açık);
        if (s.durum == KomutDurumu::düzenlemede) eylem->setEnabled(!açık);
    }
}

}  // namespace selvika
