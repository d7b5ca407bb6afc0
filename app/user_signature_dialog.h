#pragma once

#include <QDialog>
#include <array>

#include "core/score_session.h"
#include "pitch/degrees.h"

class QHBoxLayout;
class QLineEdit;
class QScrollBar;
class QVBoxLayout;

namespace selvika {

class GlifSayfası;
class DonanımÖnizlemesi;

// The `donanım` form: the score's user-defined key signature, one vertical
// scroll bar per letter (sol, fa, mi, re, do, si, la), −8..+8, up raises.
class donanım : public QDialog {
public:
    donanım(EserOturumu& oturum, const GlifSayfası& glifler, QWidget* üst);

    std::array<Integer, harfSayısı> değerler() const;

private:
    void sütunlarıKur(QHBoxLayout& sıra);
    void düğmeleriKur(QVBoxLayout& düzen);
    void değişti(Harf harf, int değer);
    void KAYDET();
    void TEMİZLE();

    EserOturumu& oturum_;
    std::array<QScrollBar*, harfSayısı> çubuklar_{};
    std::array<QLineEdit*, harfSayısı> kutular_{};
    DonanımÖnizlemesi* önizleme_;
};

}  // namespace selvika
