#pragma once

#include <QObject>
#include <functional>

#include "edit/line_clipboard.h"

namespace selvika {

class EserOturumu;
class Menüler;
class SatırEditörü;

// The line items of the line list's context menu (`Mn_Kendi`): copy or move
// the notes of the line the menu was opened on, and paste them into another.
class SatırPanosuKomutları : public QObject {
public:
    SatırPanosuKomutları(const Menüler& menüler, EserOturumu& oturum, SatırEditörü& editör, Etkileşim& etkileşim,
                         std::function<int()> menüSatırı, QObject* üst);

    const SatırPanosu& pano() const { return pano_; }

    // After a paste changed the score: the lines shown are drawn again.
    std::function<void()> değişti;

private:
    void Mn_SatıraYapıştır_Click();

    EserOturumu& oturum_;
    SatırEditörü& editör_;
    Etkileşim& etkileşim_;
    std::function<int()> menüSatırı_;
    SatırPanosu pano_;
};

}  // namespace selvika
