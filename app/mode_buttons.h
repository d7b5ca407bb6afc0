#pragma once

#include <QWidget>
#include <functional>

#include "edit/edit_mode.h"

class QRadioButton;

namespace selvika {

// The four option buttons of the editing mode (`Option1` 7, 3, 4, 5).
class ModDüğmeleri : public QWidget {
public:
    explicit ModDüğmeleri(QWidget* üst);

    DüzenModu mod() const { return mod_; }
    // Checks the note mode's button, as if clicked.
    void notaModunaDön();

    std::function<void(DüzenModu)> değişti;

private:
    DüzenModu mod_ = DüzenModu::nota;
    QRadioButton* notaDüğmesi_ = nullptr;
};

}  // namespace selvika
