#pragma once

#include <QFrame>
#include <array>
#include <functional>

#include "core/passage.h"

class QSlider;

namespace selvika {

// The volumes of a passage, opened at the mouse: one vertical slider `VolumM` per voice, the
// horizontal `VolumR` for the rhythm's share of the mix in percent. OK
// (`But_VolumTamam_Click`) hands the five values over, cancel
// (`But_VolumVazgec_Click`) only closes.
class SesDengesi : public QFrame {
public:
    explicit SesDengesi(QWidget* üst);

    void aç(const Pasaj& p, QPoint nerede);

    std::function<void(const std::array<Byte, 4>& sesler, Byte ritim)> tamam;

private:
    void But_VolumTamam_Click();

    std::array<QSlider*, 4> VolumM_{};
    QSlider* VolumR_;
};

}  // namespace selvika
