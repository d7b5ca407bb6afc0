#pragma once

#include <QTimer>
#include <functional>

#include "audio/playback.h"

namespace selvika {

// The end of the playing as a window timer: it fires once, on the window's
// thread, between other events.
class PencereBitişZamanlayıcısı : public BitişZamanlayıcısı {
public:
    explicit PencereBitişZamanlayıcısı(const std::function<void()>& bitti) {
        zaman_.setSingleShot(true);
        QObject::connect(&zaman_, &QTimer::timeout, bitti);
    }
    void kur(long ms) override { zaman_.start(static_cast<int>(ms)); }
    void kaldır() override { zaman_.stop(); }

private:
    QTimer zaman_;
};

}  // namespace selvika
