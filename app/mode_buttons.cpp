#include "app/mode_buttons.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/qt_paths.h"

namespace selvika {
namespace {

constexpr struct {
    int indeks;
    const char* başlık;
    DüzenModu mod;
} seçenekler[] = {
    {7, "Nota", DüzenModu::nota},
    {3, "Kreşendo", DüzenModu::kresendo},
    {4, "Hece", DüzenModu::hece},
    {5, "Dolap", DüzenModu::dolap},
};

}  // namespace

ModDüğmeleri::ModDüğmeleri(QWidget* üst) : QWidget(üst) {
    setObjectName("ModDüğmeleri");
    auto* düzen = new QVBoxLayout(this);
    düzen->setContentsMargins(0, 0, 0, 0);
    auto* grup = new QButtonGroup(this);
    for (const auto& s : seçenekler) {
        auto* düğme = new QRadioButton(qtMetin(s.başlık), this);
        düğme->setObjectName(QStringLiteral("Option1_%1").arg(s.indeks));
        düğme->setFocusPolicy(Qt::NoFocus);
        düğme->setChecked(s.mod == mod_);
        if (s.mod == DüzenModu::nota) notaDüğmesi_ = düğme;
        grup->addButton(düğme);
        düzen->addWidget(düğme);
        connect(düğme, &QRadioButton::toggled, this, [this, mod = s.mod](bool seçili) {
            if (!seçili) return;
            mod_ = mod;
            if (değişti) değişti(mod);
        });
    }
}

void ModDüğmeleri::notaModunaDön() { notaDüğmesi_->setChecked(true); }

}  // namespace selvika
