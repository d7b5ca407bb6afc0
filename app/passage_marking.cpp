#include "app/passage_marking.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "app/line_drawing.h"
#include "app/menus.h"
#include "audio/passage_list.h"
#include "core/line_editor.h"
#include "edit/range_marks.h"

namespace selvika {

Pasajİşaretleme::Pasajİşaretleme(SatırEditörü& editör, SatırResmi& resim, const Menüler& menüler,
                                 Etkileşim& etkileşim, QObject* üst)
    : QObject(üst), editör_(editör), resim_(resim), menüler_(menüler), etkileşim_(etkileşim) {
    for (int sıra = 1; sıra <= yeniİsimSırası; ++sıra) {
        QAction* eylem = menüler.eylem(QString("Mn_Yeni_isim_%1").arg(sıra).toUtf8().constData());
        connect(eylem, &QAction::triggered, this, [this, sıra] { Mn_Yeni_isim_Click(sıra); });
    }
}

// Installed last, the filter sees the editing area's events before the
// editing tools do.
void Pasajİşaretleme::başlat(EserBaşlık& başlık, const Notalar& notalar) {
    başlık_ = &başlık;
    notalar_ = &notalar;
    ilk_ = son_ = 0;
    resim_.installEventFilter(this);
    bandıGöster();
}

void Pasajİşaretleme::bitir() {
    resim_.removeEventFilter(this);
    başlık_ = nullptr;
    notalar_ = nullptr;
    resim_.seçimiGöster(0, 0);
}

bool Pasajİşaretleme::eventFilter(QObject* nesne, QEvent* olay) {
    if (nesne != &resim_) return false;
    switch (olay->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::MouseButtonDblClick: return fare(olay);
        case QEvent::ContextMenu:
            menüler_.menü("Mn_Pasaj")->popup(static_cast<QContextMenuEvent*>(olay)->globalPos());
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel: return true;
        default: return false;
    }
}

bool Pasajİşaretleme::fare(QEvent* olay) {
    auto* f = static_cast<QMouseEvent*>(olay);
    const int x = f->position().toPoint().x();
    if (olay->type() == QEvent::MouseButtonPress && f->button() == Qt::LeftButton) basX_ = x;
    if (olay->type() == QEvent::MouseButtonRelease && f->button() == Qt::LeftButton && basX_ >= 0) {
        işaretle(std::exchange(basX_, -1), x, f->modifiers() & Qt::ShiftModifier);
        if (ilk_ >= 1) menüler_.menü("Mn_Pasaj")->popup(f->globalPosition().toPoint());
    }
    return true;
}

void Pasajİşaretleme::işaretle(int basX, int bırakX, bool uzat) {
    const auto aralık = sürüklenenAralık(editör_.tampon(), basX, bırakX);
    if (!aralık || !notalar_) return;
    const auto ilk = notaİndeksi(*notalar_, editör_.satırNo(), aralık->ilk);
    const auto son = notaİndeksi(*notalar_, editör_.satırNo(), aralık->son);
    if (!ilk || !son) return;
    const bool uzatılır = uzat && ilk_ >= 1;
    ilk_ = uzatılır ? std::min(ilk_, *ilk) : *ilk;
    son_ = uzatılır ? std::max(son_, *son) : *son;
    bandıGöster();
}

void Pasajİşaretleme::bandıGöster() {
    int ilk = 0, son = 0;
    for (int i = ilk_; notalar_ && i >= 1 && i <= son_; ++i)
        if ((*notalar_)[i].satır == editör_.satırNo()) {
            if (ilk == 0) ilk = (*notalar_)[i].eleman;
            son = (*notalar_)[i].eleman;
        }
    resim_.seçimiGöster(ilk, son);
}

void Pasajİşaretleme::Mn_Yeni_isim_Click(int sıra) {
    if (!başlık_) return;
    if (ilk_ < 1) {
        etkileşim_.ikazYaz("Önce pasajın notalarını işaretleyin.");
        return;
    }
    const QAction* eylem = menüler_.eylem(QString("Mn_Yeni_isim_%1").arg(sıra).toUtf8().constData());
    const auto ad = yeniPasajAdı(sıra, eylem->text().toStdString(), etkileşim_);
    if (!ad) return;
    if (const auto n = yeniPasaj(*başlık_, *ad, *notalar_, ilk_, son_); n && eklendi) eklendi(*n);
}

}  // namespace selvika
