#pragma once

#include <QWidget>
#include <functional>

#include "edit/range_commands.h"

namespace selvika {

// The range buttons `Command22` beside the editing area: delete, copy and
// move the selected range, its glyph size and its channel.
class AralıkDüğmeleri : public QWidget {
public:
    AralıkDüğmeleri(SatırEditörü& editör, ElemanPanosu& pano, QWidget* üst);

    // The range the buttons act on; delete and move end it.
    SeçiliAralık seçim;

    // After a button changed the buffer, once it is marked and saved.
    std::function<void()> değişti;

private:
    void tıklandı(AralıkKomutu komut);

    SatırEditörü& editör_;
    ElemanPanosu& pano_;
};

}  // namespace selvika
