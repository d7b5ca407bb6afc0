#pragma once

#include "core/interaction.h"
#include "core/score.h"

namespace selvika {

inline constexpr const char* yapıştırmaSorusu =
    " yapıştırma işlemi bu satırdaki mevcut notaları siler. Devam etmek istediğinizden eminmisiniz";
inline constexpr const char* yapıştırmaOnayı = "yapıştırma onayı";

// The one-line clipboard of the line list's context menu: the source line
// and whether pasting copies or moves it.
class SatırPanosu {
public:
    bool dolu() const { return kaynak_ != 0; }
    int kaynak() const { return kaynak_; }

    void Mn_SatırKopyala_Click(int satır) { tut(satır, false); }
    void Mn_SatırTaşı_Click(int satır) { tut(satır, true); }

    // Pastes the held line into `hedef`, asking first when the target has
    // elements. True when the score changed; the clipboard is then empty.
    bool Mn_SatıraYapıştır_Click(Eser& eser, int hedef, Etkileşim& etkileşim);

private:
    void tut(int satır, bool taşı) {
        kaynak_ = satır;
        taşı_ = taşı;
    }

    int kaynak_ = 0;
    bool taşı_ = false;
};

}  // namespace selvika
