#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "core/widths.h"

namespace selvika {

// A chart of the property list, opened at the mouse: a grid of square
// cells each showing the value a click on it gives.
class PlanÇizelgesi : public QWidget {
public:
    using Nokta = std::optional<Byte> (*)(int x, int y);  // in chart units

    PlanÇizelgesi(const char* ad, int sütunSayısı, int hücreSayısı, Nokta değer, QWidget* üst);

    std::function<void(Byte)> seçildi;

    void aç(QPoint nerede);

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;

    // The value the cell gives.
    virtual QString hücreYazısı(int hücre) const;

private:
    QPoint ortası(int hücre) const;  // in chart units

    int sütunSayısı_;
    int hücreSayısı_;
    Nokta değer_;
};

// The metronome chart (40 cells, 10 to a row) and the ahenk chart (72
// cells, 8 to a row).
PlanÇizelgesi* metronomÇizelgesi(QWidget* üst);
PlanÇizelgesi* ahenkÇizelgesi(QWidget* üst);

}  // namespace selvika
