#pragma once

#include <QListWidget>
#include <functional>
#include <optional>

#include "core/score_session.h"

class QAction;

namespace selvika {

// `List1`, the makam list that `Mn_donanım` opens beside the staff: 42
// entries with their key-signature codes. The chosen entry becomes the
// caption of `Mn_donanım` and the signature the palette inserts.
class MakamListesi : public QListWidget {
public:
    MakamListesi(QAction& Mn_donanım, EserOturumu& oturum, Etkileşim& etkileşim, QWidget* üst);

    void aç();
    void List1_Click(int satır);
    // Chooses the entry of a key-signature code, as a click would, without
    // asking about the user-defined signature; nothing clears the choice.
    void seç(std::optional<Byte> kod);
    std::optional<Byte> seçilenKod() const { return seçilenKod_; }

    // Opens the user-defined signature dialog; the window sets it.
    std::function<void()> donanımFormuAç;

protected:
    void focusOutEvent(QFocusEvent* olay) override;

private:
    QAction& Mn_donanım_;
    const QString menüBaşlığı_;
    EserOturumu& oturum_;
    Etkileşim& etkileşim_;
    std::optional<Byte> seçilenKod_;
};

}  // namespace selvika
