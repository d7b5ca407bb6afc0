#pragma once

#include <QDialog>

#include "core/header.h"

class QLabel;
class QPlainTextEdit;
class QSpinBox;

namespace selvika {

// The dialog of lyric block n (`güfte`): its text in `GüfteKutusu` with the
// two counters below, its page beside. OK stores both into the block.
class GüfteDiyaloğu : public QDialog {
public:
    GüfteDiyaloğu(EserBaşlık& başlık, int n, QWidget* üst);

private:
    void sayaçlarıYaz();

    EserBaşlık& başlık_;
    int n_;
    QPlainTextEdit* GüfteKutusu_;
    QSpinBox* sayfaKutusu_;
    QLabel* yazılan_;
    QLabel* kalan_;
};

}  // namespace selvika
