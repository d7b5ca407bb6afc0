#pragma once

#include <QGroupBox>
#include <functional>

#include "core/line_editor.h"

namespace selvika {

// "Hızlı düzeltmeler": buttons that change the cursor element of the edited
// line (the element with imleç = 1) one step at a time. The frame hides
// after a change; a click on the line picture shows it again.
class HızlıDüzeltmeler : public QGroupBox {
public:
    HızlıDüzeltmeler(SatırEditörü& editör, QWidget* üst);

    void resmeBağla(QWidget& resim);

    // After a change, once the buffer is marked and saved.
    std::function<void()> değişti;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void uygula(bool (*düzeltme)(Eleman&));

    SatırEditörü& editör_;
    QWidget* resim_ = nullptr;
};

}  // namespace selvika
