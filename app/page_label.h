#pragma once

#include <QLabel>
#include <functional>

namespace selvika {

// A dashed frame over something printed on the page. A double click opens
// what it frames; a drag moves it, along the directions it allows, and the
// page follows at once.
class SayfaEtiketi : public QLabel {
public:
    // `alan`: what is framed, on the page; the frame stands a little around it.
    SayfaEtiketi(QRect alan, Qt::Orientations yönler, QWidget* üst);

    // While dragging: the framed thing's new left and top.
    std::function<void(QPoint solÜst)> taşındı;
    // Let go after a drag.
    std::function<void()> bırakıldı;
    std::function<void()> açıldı;

protected:
    void mousePressEvent(QMouseEvent* olay) override;
    void mouseMoveEvent(QMouseEvent* olay) override;
    void mouseReleaseEvent(QMouseEvent* olay) override;
    void mouseDoubleClickEvent(QMouseEvent* olay) override;

private:
    Qt::Orientations yönler_;
    QPoint tutulan_;
    bool sürüklendi_ = false;
};

}  // namespace selvika
