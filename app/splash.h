#pragma once

#include <QWidget>

namespace selvika {

// The version window of start-up: a key press or a click closes it, and it
// closes by itself after three seconds so that it never hides the program.
class frmSplash : public QWidget {
public:
    frmSplash();

protected:
    void keyPressEvent(QKeyEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;
};

}  // namespace selvika
