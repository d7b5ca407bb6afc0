#include "app/slur_handles_view.h"

#include "app/drag_label.h"
#include "render/slur_geometry.h"
#include "render/staff_geometry.h"

namespace selvika {
namespace {

constexpr int tutamakBoyu = 12;

// `OrtaEtiketi` stands on the crest, which lies as high as the two bulges'
// mean; `YayEtiketi` over the last end, as high as the second bulge. Either
// then follows the mouse as the slur follows it.
QPoint tutamakYeri(const Satır& satır, const YayYeri& yay, TutamakTürü tür) {
    const YayUçları u = yayUçları(satır, yay.ilk, yay.son, yay.katman, editörÖlçeği, 0);
    const YayBiçimi b = yayBiçimi(satır, yay);
    const bool orta = tür == TutamakTürü::orta;
    const double t = orta ? 0.5 : 1;
    const double bombe = orta ? (b.ilkYükseklik + b.sonYükseklik) / 2 : b.sonYükseklik;
    const double y = u.y1 + (u.y2 - u.y1) * t + (yayÜstte(satır, yay) ? -bombe : bombe);
    return {static_cast<int>(u.x1 + (u.x2 - u.x1) * t), static_cast<int>(y)};
}

}  // namespace

YayTutamakları::YayTutamakları(SatırEditörü& editör, EditörDurumu& durum, QWidget& resim)
    : editör_(editör), durum_(durum), resim_(resim) {}

void YayTutamakları::göster(bool açık) {
    açık_ = açık;
    if (!açık && durum_.tutamak && std::holds_alternative<YayTutamağı>(*durum_.tutamak)) durum_.tutamak.reset();
    yenile();
}

void YayTutamakları::kaldır() {
    for (const Etiket& e : etiketler_) {
        e.etiket->hide();
        e.etiket->deleteLater();  // the label being released may be the caller
    }
    etiketler_.clear();
}

void YayTutamakları::yenile() {
    kaldır();
    if (!açık_ || editör_.satırNo() == 0) return;
    const Satır& satır = editör_.tampon();
    if (durum_.tutamak && !tutamakGeçerli(satır, *durum_.tutamak)) durum_.tutamak.reset();
    for (const YayYeri& yay : satırınYayları(satır))
        for (TutamakTürü tür : {TutamakTürü::orta, TutamakTürü::yay})
            ekle({yay, tür}, tutamakYeri(satır, yay, tür));
}

void YayTutamakları::ekle(const YayTutamağı& tutamak, QPoint merkez) {
    const bool orta = tutamak.tür == TutamakTürü::orta;
    auto* etiket = new SürüklemeEtiketi(orta ? "O" : "Y", Qt::Vertical,
                                        [this, tutamak](int dy) { sürüklendi(tutamak, dy); }, &resim_);
    etiket->setObjectName(orta ? "OrtaEtiketi" : "YayEtiketi");
    etiket->setFixedSize(tutamakBoyu, tutamakBoyu);
    etiket->vurgula(durum_.tutamak == Tutamak{tutamak});
    etiket->basıldı = [this, tutamak] { seç(tutamak); };
    etiket->move(merkez - etiket->rect().center());
    etiket->show();
    etiketler_.push_back({etiket, tutamak});
}

void YayTutamakları::seç(const YayTutamağı& tutamak) {
    durum_.tutamak = tutamak;
    for (const Etiket& e : etiketler_) e.etiket->vurgula(e.tutamak == tutamak);
}

void YayTutamakları::sürüklendi(const YayTutamağı& tutamak, int dy) {
    tutamağıTaşı(editör_.tampon(), tutamak, dy);
    editör_.düzenlendi();
    if (değişti) değişti();
    yenile();
}

}  // namespace selvika
