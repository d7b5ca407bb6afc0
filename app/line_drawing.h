#pragma once

#include <QWidget>

#include "core/line.h"

class QPainter;

namespace selvika {

// A plain drawing of a line until the notation renderer takes over: the
// five-line staff, note heads at their staff positions, bar lines, text
// labels for rests, key signatures and usul numerals, the cursor element
// highlighted and the element area between ayar1 and ayar2 marked. In
// units of the editing area: the top staff line at y 60, 10 apart.
void satırıÇiz(QPainter& ressam, const Satır& satır);

inline constexpr int çizimYüksekliği = 180;
inline constexpr int çizimGenişliği = 1020;

// A line drawn at a scale: the editing area Picture1 at 1, the previews
// at one half.
class SatırResmi : public QWidget {
public:
    SatırResmi(double ölçek, QWidget* üst);
    void göster(const Satır& satır);

protected:
    void paintEvent(QPaintEvent* olay) override;

private:
    double ölçek_;
    Satır satır_;
};

}  // namespace selvika
