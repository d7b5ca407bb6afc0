#pragma once

#include <QWidget>
#include <functional>

#include "edit/element_clipboard.h"

namespace selvika {

class AralıkDüğmeleri;
class ModDüğmeleri;
class SatırEditörü;

// The mode option buttons and the range buttons beside the editing area,
// with the mouse on Picture1 they act on: in note mode a drag selects a
// range and a click pastes the element clipboard (with the clipboard empty
// it makes the element clicked the cursor element); in the other modes a
// drag marks a crescendo, a syllable line or a dolap. The mouse pointer over
// Picture1 tells what a click there does.
class AralıkAraçları : public QWidget {
public:
    AralıkAraçları(SatırEditörü& editör, Etkileşim& etkileşim, QWidget& resim, QWidget* üst);

    ModDüğmeleri& modlar() { return *modlar_; }
    AralıkDüğmeleri& düğmeler() { return *düğmeler_; }
    const ElemanPanosu& pano() const { return pano_; }

    // After the buffer changed, once it is marked and saved.
    std::function<void()> değişti;
    // After the element clipboard was filled or emptied.
    std::function<void()> panoDeğişti;
    // Whether the mode buttons go back to note mode after a span is marked.
    std::function<bool()> normalModaDönsün;
    // The range being dragged or selected, to be shown; an empty one when
    // there is none.
    std::function<void(SeçiliAralık)> seçimDeğişti;

    // No range is selected any more.
    void seçimiBırak();

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void bırakıldı(int basX, int bırakX);
    bool notaModundaBırakıldı(int basX, int bırakX);
    void elemanıSeç(int x);
    void seçimiBildir(SeçiliAralık aralık);

    SatırEditörü& editör_;
    Etkileşim& etkileşim_;
    QWidget& resim_;
    ElemanPanosu pano_;
    ModDüğmeleri* modlar_;
    AralıkDüğmeleri* düğmeler_;
    int basX_ = -1;
};

}  // namespace selvika
