#pragma once

#include <QObject>
#include <functional>

#include "audio/flat_notes.h"
#include "core/header.h"
#include "core/interaction.h"

namespace selvika {

class Menüler;
class SatırEditörü;
class SatırResmi;

// Marking a new passage's notes on the editing area in performance mode: a
// drag marks a range of the line, a drag with Shift stretches the marked
// range to it, across lines too; after a drag, and on a right click, the
// passage-name menu `Mn_Pasaj` opens at the mouse. While marking is on the
// editing area takes no other mouse or key command, so the line stays as
// it is.
class Pasajİşaretleme : public QObject {
public:
    Pasajİşaretleme(SatırEditörü& editör, SatırResmi& resim, const Menüler& menüler, Etkileşim& etkileşim,
                    QObject* üst);

    void başlat(EserBaşlık& başlık, const Notalar& notalar);
    void bitir();

    // The part of the marked range on the line shown, on a band.
    void bandıGöster();

    // A passage was appended to the plan.
    std::function<void(int numara)> eklendi;

    void Mn_Yeni_isim_Click(int sıra);

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    bool fare(QEvent* olay);
    void işaretle(int basX, int bırakX, bool uzat);

    SatırEditörü& editör_;
    SatırResmi& resim_;
    const Menüler& menüler_;
    Etkileşim& etkileşim_;
    EserBaşlık* başlık_ = nullptr;
    const Notalar* notalar_ = nullptr;
    int ilk_ = 0, son_ = 0;  // the marked range, as flat indices
    int basX_ = -1;
};

}  // namespace selvika
