#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "core/line_editor.h"
#include "edit/keys.h"

namespace selvika {

class SürüklemeEtiketi;

// "Yaylar" (`Mn_YayBombe`): two handles on every slur of the edited line,
// `OrtaEtiketi` at its crest and `YayEtiketi` over its last end.
// Dragging one up or down reshapes the slur; pressing one picks it, and the
// arrow keys then move it (the key state keeps the picked handle).
class YayTutamakları {
public:
    YayTutamakları(SatırEditörü& editör, EditörDurumu& durum, QWidget& resim);

    void göster(bool açık);
    void yenile();
    struct Etiket {
        SürüklemeEtiketi* etiket;
        YayTutamağı tutamak;
    };
    // The handles shown, two a slur, in the order of the line's slurs.
    const std::vector<Etiket>& etiketler() const { return etiketler_; }

    // After a drag has changed the buffer, once it is marked and saved.
    std::function<void()> değişti;

private:
    void kaldır();
    void ekle(const YayTutamağı& tutamak, QPoint merkez);
    void seç(const YayTutamağı& tutamak);
    void sürüklendi(const YayTutamağı& tutamak, int dy);

    SatırEditörü& editör_;
    EditörDurumu& durum_;
    QWidget& resim_;
    bool açık_ = false;
    std::vector<Etiket> etiketler_;
};

}  // namespace selvika
