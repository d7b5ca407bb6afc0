#include "app/key_input.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>
#include <array>
#include <span>
#include <utility>

#include "app/qt_paths.h"

namespace selvika {

namespace {

// X11 key state bits, and the key code of the keypad's decimal key.
inline constexpr quint32 x11Lock = 0x02, x11Mod2 = 0x10;
inline constexpr quint32 x11TuşTakımıOndalığı = 91;

struct Eşleme {
    int qt;
    Tuş tuş;
};

constexpr std::array ortakTuşlar{
    Eşleme{Qt::Key_Up, Tuş::yukarı},       Eşleme{Qt::Key_Down, Tuş::aşağı}, Eşleme{Qt::Key_Left, Tuş::sol},
    Eşleme{Qt::Key_Right, Tuş::sağ},       Eşleme{Qt::Key_Home, Tuş::başa},  Eşleme{Qt::Key_End, Tuş::sona},
    Eşleme{Qt::Key_Space, Tuş::boşluk},    Eşleme{Qt::Key_Period, Tuş::nokta}, Eşleme{Qt::Key_Delete, Tuş::sil},
    Eşleme{Qt::Key_B, Tuş::B}, Eşleme{Qt::Key_D, Tuş::D}, Eşleme{Qt::Key_N, Tuş::N}, Eşleme{Qt::Key_K, Tuş::K},
    Eşleme{Qt::Key_U, Tuş::U}, Eşleme{Qt::Key_E, Tuş::E}, Eşleme{Qt::Key_A, Tuş::A}, Eşleme{Qt::Key_M, Tuş::M},
    Eşleme{Qt::Key_P, Tuş::P}, Eşleme{Qt::Key_T, Tuş::T}, Eşleme{Qt::Key_Y, Tuş::Y}, Eşleme{Qt::Key_H, Tuş::H},
    Eşleme{Qt::Key_C, Tuş::C}, Eşleme{Qt::Key_G, Tuş::G}, Eşleme{Qt::Key_L, Tuş::L}, Eşleme{Qt::Key_O, Tuş::O},
    Eşleme{Qt::Key_S, Tuş::S},
};

constexpr std::array tuşTakımıİşlemleri{
    Eşleme{Qt::Key_Plus, Tuş::tuşTakımıArtı}, Eşleme{Qt::Key_Minus, Tuş::tuşTakımıEksi},
    Eşleme{Qt::Key_Slash, Tuş::tuşTakımıBölü}, Eşleme{Qt::Key_Asterisk, Tuş::tuşTakımıÇarpı},
};

Tuş kaydır(Tuş ilk, int adım) { return static_cast<Tuş>(static_cast<int>(ilk) + adım); }

std::optional<Tuş> tablodan(std::span<const Eşleme> tablo, int qt) {
    for (const Eşleme& e : tablo)
        if (e.qt == qt) return e.tuş;
    return std::nullopt;
}

std::optional<Tuş> tuşTakımından(int qt) {
    if (qt >= Qt::Key_1 && qt <= Qt::Key_7) return kaydır(Tuş::tuşTakımı1, qt - Qt::Key_1);
    if (auto t = tablodan(tuşTakımıİşlemleri, qt)) return t;
    return tablodan(ortakTuşlar, qt);
}

std::optional<Tuş> klavyeden(int qt) {
    if (qt >= Qt::Key_1 && qt <= Qt::Key_9) return kaydır(Tuş::rakam1, qt - Qt::Key_1);
    if (qt >= Qt::Key_F1 && qt <= Qt::Key_F12) return kaydır(Tuş::F1, qt - Qt::Key_F1);
    return tablodan(ortakTuşlar, qt);
}

bool x11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

// The keypad's decimal key dots a note whatever mark the layout prints on it
// (Turkish keyboards send a comma): it is known by its place, from the keypad
// flag or, for layouts that send it as a plain character, its X key code.
bool ondalıkTuşu(const QKeyEvent& olay) {
    if (olay.key() != Qt::Key_Period && olay.key() != Qt::Key_Comma) return false;
    return olay.modifiers().testFlag(Qt::KeypadModifier) ||
           (x11() && olay.nativeScanCode() == x11TuşTakımıOndalığı);
}

}  // namespace

std::optional<OkunanTuş> tuşOku(const QKeyEvent& olay) {
    const bool tuşTakımı = olay.modifiers().testFlag(Qt::KeypadModifier);
    const auto tuş = ondalıkTuşu(olay) ? std::optional(Tuş::nokta)
                     : tuşTakımı      ? tuşTakımından(olay.key())
                                      : klavyeden(olay.key());
    if (!tuş) return std::nullopt;
    const TuşBasışı basış{*tuş, olay.modifiers().testFlag(Qt::ShiftModifier),
                          olay.modifiers().testFlag(Qt::ControlModifier)};
    if (x11()) {
        const quint32 durum = olay.nativeModifiers();
        return OkunanTuş{basış, (durum & x11Mod2) != 0, (durum & x11Lock) != 0};
    }
    const bool imleçTuşu = tuşTakımı && olay.text().isEmpty();
    return OkunanTuş{basış, !imleçTuşu, false};
}

TuşGirişi::TuşGirişi(QWidget& Picture1, SatırEditörü& editör, Etkileşim& etkileşim, std::function<void()> yenidenÇiz)
    : QObject(&Picture1), Picture1_(Picture1), editör_(editör), etkileşim_(etkileşim),
      yenidenÇiz_(std::move(yenidenÇiz)) {
    Picture1.installEventFilter(this);
}

void TuşGirişi::bas(TuşBasışı basış, bool numLock, bool capsLock) {
    const TuşSonucu sonuç = Picture1_KeyDown(editör_, durum_, etkileşim_, basış, numLock);
    if (sonuç != TuşSonucu::yok) yenidenÇiz_();
    if (basış.tuş == Tuş::sol || basış.tuş == Tuş::sağ)
        Picture1_.window()->setWindowTitle(qtMetin(imleçBaşlığı(editör_.tampon(), capsLock)));
}

bool TuşGirişi::eventFilter(QObject* nesne, QEvent* olay) {
    if (olay->type() != QEvent::KeyPress) return QObject::eventFilter(nesne, olay);
    const auto okunan = tuşOku(*static_cast<QKeyEvent*>(olay));
    if (!okunan || editör_.satırNo() < 1) return false;
    bas(okunan->basış, okunan->numLock, okunan->capsLock);
    return true;
}

}  // namespace selvika
