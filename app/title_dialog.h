#pragma once

#include <QDialog>
#include <array>

#include "app/font_menu.h"
#include "core/header.h"

class QGridLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace selvika {

// "Başlıklar": the nine title texts of the score in the three groups the
// page places them in, each with its font and its y on the current page.
// OK stores them all; the dialog opens with the cursor in title `odak`.
class BaşlıkDiyaloğu : public QDialog {
public:
    BaşlıkDiyaloğu(EserBaşlık& başlık, int sayfa, int odak, QWidget* üst);

    // The font dialog behind each title's font button.
    YazıTipiMenüsü::Seçici seçici;

private:
    struct BaşlıkSatırı {
        QLineEdit* metin;
        QPushButton* yazıTipiDüğmesi;
        QSpinBox* y;
        YazıTipi yazıTipi;
    };

    BaşlıkSatırı& satır(int t) { return satırlar_[static_cast<std::size_t>(t - 1)]; }
    void satırKur(int t, QGridLayout& ızgara, int sıra);
    void yazıTipiSeç(int t);
    void kaydet();

    EserBaşlık& başlık_;
    int sayfa_;
    std::array<BaşlıkSatırı, 9> satırlar_{};
};

}  // namespace selvika
