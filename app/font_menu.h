#pragma once

#include <QFont>
#include <functional>
#include <optional>

#include "core/score_session.h"

namespace selvika {

class Menüler;

// A font record of the score header as a Qt font, and back.
QFont yazıTipiKaydından(const YazıTipi& kayıt);
void yazıTipiniYaz(YazıTipi& kayıt, const QFont& yazıTipi);

// The system font dialog preset with `önceki`; nothing when the user cancels.
std::optional<QFont> sistemYazıTipiDiyaloğu(const QFont& önceki);

// The items of "Yazı tipleri": each opens the font dialog preset with its
// record of the score header and stores the choice back.
class YazıTipiMenüsü {
public:
    // The system font dialog; nothing when the user cancels. Tests replace it.
    using Seçici = std::function<std::optional<QFont>(const QFont& önceki)>;

    YazıTipiMenüsü(Menüler& menüler, EserOturumu& oturum, std::function<void()> yenidenÇiz);

    Seçici seçici;

private:
    void seç(int kayıt);

    EserOturumu& oturum_;
    std::function<void()> yenidenÇiz_;
};

}  // namespace selvika
