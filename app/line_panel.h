#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "core/line_editor.h"

class QLabel;
class QPushButton;
class QSlider;

namespace selvika {

class SatırResmi;
class SatırSonuSeçici;
class TuşGirişi;
class Önizleme;

// The editing panels: the line in the editing area Picture1 with its
// neighbours above and below, the store, undo, redo and discard buttons,
// the line-end picker, the close control and the sliders of the line's
// layout values.
class SatırPaneli : public QWidget {
public:
    SatırPaneli(EserOturumu& oturum, SatırEditörü& editör, QWidget* üst);

    // The display half of `SatırOku`: the previews of the neighbours, the
    // line itself, its sliders and buttons; the focus goes to Picture1.
    void satırıGöster();
    void yenidenÇiz();

    // A right click on a preview: the line it shows and where to open a menu.
    std::function<void(int satır, QPoint nerede)> önizlemeMenüsü;
    // After every redraw of the line, for the views drawn over it.
    std::function<void()> çizildi;
    // The user left the line (the close control): the editing tools go too.
    std::function<void()> kapandı;

    // Performance mode shows the line but leaves it as it is: the buttons
    // and sliders that change it are locked.
    void düzenlemeyiKilitle(bool kilitli);

    // The editing area Picture1, for the tools that act on a click in it.
    SatırResmi& resim();

    // Routes Picture1's keys into the key commands and shows the tool
    // palette Picture4 under it; the mode buttons set the keys' state.
    TuşGirişi& tuşlarıBağla(Etkileşim& etkileşim);

private:
    void düğmeleriKur();
    void sürgüleriKur();
    void sürgülerTampondan();
    void düğmeleriGüncelle();
    void kaydet();
    void geriAl();
    void yinele();
    void kapat();

    EserOturumu& oturum_;
    SatırEditörü& editör_;
    Önizleme* üstÖnizleme_;
    Önizleme* altÖnizleme_;
    QLabel* satırEtiketi_;
    SatırResmi* Picture1_;
    QPushButton* Command2_;
    std::array<QPushButton*, 2> Command26_{};
    QPushButton* Command12_;
    std::array<QSlider*, 5> sürgüler_{};
    SatırSonuSeçici* satırSonu_ = nullptr;
    QWidget* Picture4_ = nullptr;
    bool sürgülerAyarlanıyor_ = false;
    bool kilitli_ = false;
};

}  // namespace selvika
