#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "edit/keys.h"

class QKeyEvent;
class QWidget;

namespace selvika {

// A key of the editing area as the dispatcher knows it, with the lock
// states read from the same event.
struct OkunanTuş {
    TuşBasışı basış;
    bool numLock;
    bool capsLock;
};

// Nothing for a key the editing area does not answer, so that Tab and the
// window's shortcuts keep their meaning.
//
// The lock states: under X11 (the xcb platform, Xvfb included) the event's
// native modifiers are the X key state, where Lock is CapsLock and Mod2 is
// NumLock. Elsewhere NumLock is read from the keypad itself (a keypad key
// that arrives as a cursor key means NumLock is off) and CapsLock counts
// as off.
std::optional<OkunanTuş> tuşOku(const QKeyEvent& olay);

// Routes the key presses of Picture1 into `Picture1_KeyDown`, redraws after
// a change and shows the cursor caption after Left and Right.
class TuşGirişi : public QObject {
public:
    TuşGirişi(QWidget& Picture1, SatırEditörü& editör, Etkileşim& etkileşim, std::function<void()> yenidenÇiz);

    // The mode buttons and the element palette set these.
    EditörDurumu& durum() { return durum_; }

    // A key, or a palette cell that does what its key does.
    void bas(TuşBasışı basış, bool numLock = true, bool capsLock = false);

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    QWidget& Picture1_;
    SatırEditörü& editör_;
    Etkileşim& etkileşim_;
    std::function<void()> yenidenÇiz_;
    EditörDurumu durum_;
};

}  // namespace selvika
