#pragma once

#include <span>

namespace selvika {

enum class MenüYeri {
    çubuk,   // on the menu bar; with no items it is a command of its own
    açılır,  // a pop-up menu, opened at the mouse
    öğe,     // an item of the menu named by `üst`
};

enum class KomutDurumu {
    hazır,    // works with or without a score
    eserle,   // works once a score is open: locked until then
    düzenlemede,  // changes the notes: works once a score is open, not in performance mode
    icrada,   // an item of the performance plan: works in performance mode only
    kapatır,  // has no command: choosing it only closes its menu
    sonra,    // its command comes with a later part of the program
};

struct MenüSatırı {
    const char* ad;  // control name, the QAction's objectName
    const char* başlık;  // "-" is a separator
    MenüYeri yer;
    const char* üst;
    KomutDurumu durum;
};

// Every menu of the main window, in order: the menu bar left to right, then
// the pop-up menus.
std::span<const MenüSatırı> menüTablosu();

}  // namespace selvika
