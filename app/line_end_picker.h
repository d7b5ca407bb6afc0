#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "core/widths.h"

class QToolButton;

namespace selvika {

// The line-end picker `SatırSonu`: the five ways a line can end, each
// drawn as a small staff end (plain, single, double and final bar line,
// and the open end whose measure goes on in the next line). The kind of
// the line shown stands pressed.
class SatırSonuSeçici : public QWidget {
public:
    explicit SatırSonuSeçici(QWidget* üst);

    // Presses the button of the kind, without telling anyone.
    void göster(Byte satırSonu);

    // A kind the user chose.
    std::function<void(Byte)> seçildi;

private:
    std::array<QToolButton*, 5> düğmeler_{};
};

}  // namespace selvika
