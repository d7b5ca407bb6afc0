#pragma once

#include <QWidget>
#include <array>

#include "pitch/degrees.h"

namespace selvika {

class GlifSayfası;

// `Donat`: a key signature on a five-line staff with room for all seven
// letters, flats first in the order si, mi, la, re, sol, do, fa, then
// sharps fa, do, sol, re, la, mi, si.
class DonanımÖnizlemesi : public QWidget {
public:
    DonanımÖnizlemesi(const GlifSayfası& glifler, QWidget* üst);

    void göster(const std::array<Integer, harfSayısı>& değerler);
    const std::array<Integer, harfSayısı>& değerler() const { return değerler_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void ArzYaz(QPainter& ressam, Harf harf, int x);

    const GlifSayfası& glifler_;
    std::array<Integer, harfSayısı> değerler_{};
};

}  // namespace selvika
