#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "core/line_editor.h"

class QLabel;
class QPoint;

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

// What a set of drag labels stands for: which elements get one, its text,
// where it stands, and what a sideways drag of dx changes.
struct EtiketTürü {
    std::function<bool(const Eleman&)> var;
    std::function<QString(const Eleman&)> metin;
    std::function<QPoint(const Eleman&)> yer;
    std::function<void(Eleman&, int)> sürüklendi;
};

// "Arızaları" (`Mn_Arıza`): over every accidental, moving it.
EtiketTürü arızaEtiketleri();
// "Heceleri" (`Mn_Heceler`): under every syllable-bearing element, moving its
// syllables.
EtiketTürü heceEtiketleri();

// Small labels over a part of every element that has it; dragging one
// sideways changes that part of its element.
class SürüklenenEtiketler {
public:
    SürüklenenEtiketler(SatırEditörü& editör, QWidget& resim, EtiketTürü tür);

    void göster(bool açık);
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
    EtiketTürü tür_;
    bool açık_ = false;
    std::vector<QLabel*> etiketler_;
};

}  // namespace selvika
