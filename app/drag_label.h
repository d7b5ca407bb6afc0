#pragma once

#include <QLabel>
#include <functional>

namespace selvika {

// A small label over a picture that follows the mouse along one direction
// and, when let go after moving, reports how far it went.
class SürüklemeEtiketi : public QLabel {
public:
    static constexpr int boy = 16;

    SürüklemeEtiketi(const QString& metin, Qt::Orientation yön, std::function<void(int)> bırakıldı, QWidget* üst);

    // A picked label stands out from the others.
    void vurgula(bool açık);

    // Heard on every press, moved or not.
    std::function<void()> basıldı;

protected:
    void mousePressEvent(QMouseEvent* olay) override;
    void mouseMoveEvent(QMouseEvent* olay) override;
    void mouseReleaseEvent(QMouseEvent* olay) override;

private:
    int konum(const QMouseEvent& olay) const;

    Qt::Orientation yön_;
    std::function<void(int)> bırakıldı_;
    int başlangıç_ = 0;
    int kayma_ = 0;
};

}  // namespace selvika
