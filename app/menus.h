#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace selvika {

// The menu bar and the pop-up menus of the main window, built from the menu
// table; each QAction and QMenu carries its control name as objectName.
class Menüler {
public:
    explicit Menüler(QMainWindow& pencere);

    QAction* eylem(const char* ad) const;
    QMenu* menü(const char* ad) const;

    // Only the commands that need a score are locked and unlocked; commands
    // of later parts stay disabled.
    void MenuKilitle();
    void MenükilitAç();
    // Performance mode unlocks the plan's pop-up menus and locks the
    // commands that change notes; edit mode the other way round.
    void icraKipi(bool açık);

private:
    void kilitle(bool kilitli);

    QHash<QString, QAction*> eylemler_;
    QHash<QString, QMenu*> menüler_;
};

}  // namespace selvika
