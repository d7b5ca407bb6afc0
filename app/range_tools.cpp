#include "app/range_tools.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <cstdlib>
#include <utility>

#include "app/mode_buttons.h"
#include "app/range_buttons.h"
#include "edit/cursor.h"
#include "edit/element_gap.h"
#include "edit/range_marks.h"

namespace selvika {
namespace {

// A press and release closer than this are a click, not a drag.
constexpr int tıklamaPayı = 3;

}  // namespace

AralıkAraçları::AralıkAraçları(SatırEditörü& editör, Etkileşim& etkileşim, QWidget& resim, QWidget* üst)
    : QWidget(üst), editör_(editör), etkileşim_(etkileşim), resim_(resim) {
    setObjectName("AralıkAraçları");
    auto* düzen = new QHBoxLayout(this);
    düzen->setContentsMargins(0, 0, 0, 0);
    modlar_ = new ModDüğmeleri(this);
    düğmeler_ = new AralıkDüğmeleri(editör_, pano_, this);
    düzen->addWidget(modlar_, 0, Qt::AlignTop);
    düzen->addWidget(düğmeler_, 0, Qt::AlignTop);
    düğmeler_->değişti = [this] {
        if (panoDeğişti) panoDeğişti();
        seçimiBildir(düğmeler_->seçim);
        if (değişti) değişti();
    };
    resim_.installEventFilter(this);
}

bool AralıkAraçları::eventFilter(QObject* nesne, QEvent* olay) {
    if (nesne != &resim_ || editör_.satırNo() < 1) return false;
    if (olay->type() == QEvent::MouseButtonPress) {
        auto* fare = static_cast<QMouseEvent*>(olay);
        if (fare->button() == Qt::LeftButton) basX_ = fare->position().toPoint().x();
    } else if (olay->type() == QEvent::MouseMove && basX_ >= 0) {
        const int x = static_cast<QMouseEvent*>(olay)->position().toPoint().x();
        seçimiBildir(sürüklenenAralık(editör_.tampon(), basX_, x).value_or(SeçiliAralık{}));
    } else if (olay->type() == QEvent::MouseButtonRelease && basX_ >= 0) {
        auto* fare = static_cast<QMouseEvent*>(olay);
        if (fare->button() == Qt::LeftButton) bırakıldı(std::exchange(basX_, -1), fare->position().toPoint().x());
    }
    return false;
}

// The band that followed the drag gives way to the selection; in the other
// modes the mark made is drawn instead.
void AralıkAraçları::bırakıldı(int basX, int bırakX) {
    Satır& satır = editör_.tampon();
    const bool işaretlemede = modlar_->mod() != DüzenModu::nota;
    const bool oldu = işaretlemede ? aralıkİşaretle(satır, modlar_->mod(), basX, bırakX, etkileşim_)
                                   : notaModundaBırakıldı(basX, bırakX);
    seçimiBildir(düğmeler_->seçim);
    if (!oldu) return;
    editör_.düzenlendi();
    if (işaretlemede && normalModaDönsün && normalModaDönsün()) modlar_->notaModunaDön();
    if (değişti) değişti();
}

// True when the click pasted; a drag only selects, and so does a click on
// an element while the clipboard is empty.
bool AralıkAraçları::notaModundaBırakıldı(int basX, int bırakX) {
    if (std::abs(bırakX - basX) < tıklamaPayı) {
        if (!pano_.hazır) {
            elemanıSeç(bırakX);
            return false;
        }
        düğmeler_->seçim = {};
        return yapıştır(editör_.tampon(), pano_, bırakX, etkileşim_);
    }
    düğmeler_->seçim = sürüklenenAralık(editör_.tampon(), basX, bırakX).value_or(SeçiliAralık{});
    return false;
}

// Moving the cursor changes no music: nothing is marked or saved.
void AralıkAraçları::elemanıSeç(int x) {
    const std::optional<int> j = ilkİçeren(editör_.tampon(), x);
    if (!j) return;
    imleçKoy(editör_.tampon(), *j);
    if (değişti) değişti();
}

void AralıkAraçları::seçimiBildir(SeçiliAralık aralık) {
    if (seçimDeğişti) seçimDeğişti(aralık);
}

void AralıkAraçları::seçimiBırak() {
    düğmeler_->seçim = {};
    seçimiBildir({});
}

}  // namespace selvika
