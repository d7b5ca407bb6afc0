#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "core/line_editor.h"
#include "edit/keys.h"

class QPoint;

namespace selvika {

class SürüklemeEtiketi;

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

// What a set of drag labels stands for: the part of the elements that a
// sideways drag moves, the label's text and where it stands.
struct EtiketTürü {
    EtiketParçası parça;
    std::function<QString(const Eleman&)> metin;
    std::function<QPoint(const Eleman&)> yer;
};

// "Arızaları" (`Mn_Arıza`): over every accidental, moving it.
EtiketTürü arızaEtiketleri();
// "Heceleri" (`Mn_Heceler`): under every syllable-bearing element, moving its
// syllables.
EtiketTürü heceEtiketleri();

// Small labels over a part of every element that has it; dragging one
// sideways changes that part of its element. Pressing one picks it, and the
// arrow keys then move it (the key state keeps the picked label).
class SürüklenenEtiketler {
public:
    SürüklenenEtiketler(SatırEditörü& editör, EditörDurumu& durum, QWidget& resim, EtiketTürü tür);

    void göster(bool açık);
    void yenile();
    // The labels shown, in element order.
    const std::vector<SürüklemeEtiketi*>& etiketler() const { return etiketler_; }

    // After a drag has changed the buffer, once it is marked and saved.
    std::function<void()> değişti;

private:
    void kaldır();
    void sürüklendi(int eleman, int fark);
    void seç(int eleman);
    bool seçili(int eleman) const;

    SatırEditörü& editör_;
    EditörDurumu& durum_;
    QWidget& resim_;
    EtiketTürü tür_;
    bool açık_ = false;
    std::vector<SürüklemeEtiketi*> etiketler_;
    std::vector<int> elemanlar_;  // the element of each label
};

}  // namespace selvika
