#pragma once

#include <QWidget>

#include "analysis/histogram_bars.h"

namespace selvika {

// One histogram picture of the analysis window (`PicAnalizAdet`,
// `PicAnalizSüre`) with the ruler of degree names under it, drawn to the
// widget's size.
class HistogramGörünümü : public QWidget {
public:
    HistogramGörünümü(const PerdeSayımı& sayım, HistogramTürü tür, QWidget* üst);

    void ötele(int öteleme);

    QSize sizeHint() const override { return {1100, 300}; }
    QSize minimumSizeHint() const override { return {600, 180}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const PerdeSayımı& sayım_;
    HistogramTürü tür_;
    int öteleme_ = 0;
};

}  // namespace selvika
