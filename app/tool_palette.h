#pragma once

#include <QWidget>

namespace selvika {

class TuşGirişi;

// The tool palette `Picture4`: each cell does what its key does on the
// cursor element (triplet, stem flip, group cancel, arşe, mızrap, tremolo,
// half tie, slur over the cursor and the element before it).
class Picture4 : public QWidget {
public:
    Picture4(TuşGirişi& tuşlar, QWidget* üst);

    QSize sizeHint() const override;

protected:
    bool event(QEvent* olay) override;
    void paintEvent(QPaintEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;

private:
    int hücre(QPoint nokta) const;

    TuşGirişi& tuşlar_;
};

}  // namespace selvika
