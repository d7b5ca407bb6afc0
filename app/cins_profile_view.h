#pragma once

#include <QWidget>
#include <functional>

#include "analysis/cins_library.h"

namespace selvika {

// `PicCins`: the koma ruler (`CetvelCiz`) with the selected cins drawn on
// it as a profile (`CinsCiz`). It is drawn in its own units, 800 wide, and
// scaled to the widget keeping the proportions.
class CinsResmi : public QWidget {
public:
    static constexpr int genişlik = 800;
    static constexpr int yükseklik = 680;

    explicit CinsResmi(QWidget* üst);

    // The cins shown, none while nothing is selected.
    void göster(Cins* cins);

    // Where a point of the picture's units lies on the widget.
    QPointF ekranda(QPointF birim) const;

    // The pointer moved to a height (picture units) over column x.
    std::function<void(int x, double y)> imleç;

    QSize sizeHint() const override { return {genişlik, yükseklik}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int w) const override { return w * yükseklik / genişlik; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* olay) override;
    void mouseMoveEvent(QMouseEvent* olay) override;

private:
    double ölçek() const;
    QPointF birimde(QPointF ekran) const;
    void CetvelCiz(QPainter& ressam) const;
    void başlıklarıYaz(QPainter& ressam) const;
    void CinsCiz(QPainter& ressam) const;

    Cins* cins_ = nullptr;
};

}  // namespace selvika
