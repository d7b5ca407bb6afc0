#pragma once

#include <QLabel>
#include <functional>

namespace selvika {

// `GüfteEtiketi`(n): a frame over lyric block n on its page (its number
// when the block is empty). A double click opens the block's dialog; a drag
// moves the block, which the page follows at once.
class GüfteEtiketi : public QLabel {
public:
    GüfteEtiketi(int n, QRect alan, QWidget* üst);

    // While dragging: the block's new left and top.
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
    QPoint tutulan_;
    bool sürüklendi_ = false;
};

}  // namespace selvika
