#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "core/line_editor.h"

class QLabel;

namespace selvika {

// The "Baskılar" view (`Mn_Microton`): the accidentals without a glyph and
// the microtone shifts written over the line picture.
class BaskılarGörünümü : public QWidget {
public:
    BaskılarGörünümü(const SatırEditörü& editör, QWidget& resim);

    void Mn_Microton_Click(bool açık);
    void yenile();

protected:
    void paintEvent(QPaintEvent* olay) override;

private:
    const SatırEditörü& editör_;
};

// "Arızaları" (`Mn_Arıza`): a small label over the accidental of every element
// that has one; dragging it sideways moves the accidental by as much.
class ArızaKonumları {
public:
    ArızaKonumları(SatırEditörü& editör, QWidget& resim);

    void Mn_Arıza_Click(bool açık);
    void yenile();
    // The labels shown, in element order.
    const std::vector<QLabel*>& etiketler() const { return etiketler_; }

    // After a drag has changed the buffer, once it is marked and saved.
    std::function<void()> değişti;

private:
    void kaldır();
    void sürüklendi(int eleman, int fark);

    SatırEditörü& editör_;
    QWidget& resim_;
    bool açık_ = false;
    std::vector<QLabel*> etiketler_;
};

}  // namespace selvika
