#pragma once

// Recording the boxes of a drawing: a surface that paints nothing and keeps
// the box of everything painted on it, and the scopes in which the painters
// say what they are painting. On any other surface the scopes do nothing.

#include <QPaintDevice>
#include <memory>

#include "render/drawn_boxes.h"

class QPainter;

namespace selvika {

// Boxes in the surface's pixels, as the painter's transform maps what it
// paints, cut to its clip.
class KutuYüzeyi : public QPaintDevice {
public:
    KutuYüzeyi(int genişlik, int yükseklik);
    ~KutuYüzeyi() override;

    KutuKaydı kayıt;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    int genişlik_, yükseklik_;
    std::unique_ptr<QPaintEngine> motor_;
};

// While it lives, what `ressam` paints is of the context it sets.
class KutuKapsamı {
public:
    // The whole context: a line of the page, a title, a lyric block.
    KutuKapsamı(QPainter& ressam, const KutuBağlamı& bağlam);
    // Of kind `tür`, of element `eleman` of the line being drawn.
    KutuKapsamı(QPainter& ressam, KutuTürü tür, int eleman);
    // Of element `eleman`, of the kind its glyphs tell.
    KutuKapsamı(QPainter& ressam, int eleman);
    // Of kind `tür`, of the element already set.
    KutuKapsamı(QPainter& ressam, KutuTürü tür);
    ~KutuKapsamı();
    KutuKapsamı(const KutuKapsamı&) = delete;
    KutuKapsamı& operator=(const KutuKapsamı&) = delete;

private:
    // Keeps the context to restore; null where no boxes are kept.
    KutuBağlamı* aç();

    KutuKaydı* kayıt_;
    KutuBağlamı önceki_;
};

// The kind being painted, none when the surface keeps no boxes.
KutuTürü çizilenTür(QPainter& ressam);

}  // namespace selvika
