#pragma once

#include <QDialog>
#include <array>

#include "lyrics/syllables.h"

class QLineEdit;

namespace selvika {

// "Hece Girişi" (`HeceGir`): the four verse rows of the edited line in the
// boxes `HeceKutusu`(1..4). "Manuel" and "Otomatik" store them into the
// line and accept; "VAZGEÇ" rejects and leaves the line alone.
class HeceGir : public QDialog {
public:
    HeceGir(Satır& satır, QWidget* üst);

private:
    HeceKutuları kutular() const;

    Satır& satır_;
    std::array<QLineEdit*, 4> HeceKutusu_{};
};

}  // namespace selvika
