#include "app/quick_corrections_frame.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/qt_paths.h"
#include "pitch/quick_corrections.h"

namespace selvika {
namespace {

struct Düğme {
    const char* ad;
    const char* başlık;
    const char* ipucu;
    int satır, sütun;
    bool (*düzeltme)(Eleman&);
};

// Higher on the top row, lower below it; the note value and stem at the right.
constexpr Düğme düğmeler[] = {
    {"düzelt_dahatiz_0", "\u25B2", "bir perde tiz", 0, 0, [](Eleman& e) { return düzelt_dahatiz(e, 0); }},
    {"düzelt_dahatiz_1", "\u25B2", "bir koma tiz", 0, 1, [](Eleman& e) { return düzelt_dahatiz(e, 1); }},
    {"düzelt_dahatiz_2", "\u25B2", "mikroton tiz", 0, 2, [](Eleman& e) { return düzelt_dahatiz(e, 2); }},
    {"düzelt_dahapest_0", "\u25BC", "bir perde pest", 1, 0, [](Eleman& e) { return düzelt_dahapest(e, 0); }},
    {"düzelt_dahapest_1", "\u25BC", "bir koma pest", 1, 1, [](Eleman& e) { return düzelt_dahapest(e, 1); }},
    {"düzelt_dahapest_2", "\u25BC", "mikroton pest", 1, 2, [](Eleman& e) { return düzelt_dahapest(e, 2); }},
    {"düzelt_hızlı", "Hızlı", "süre yarıya", 0, 3, düzelt_hızlı},
    {"düzelt_yavaş", "Yavaş", "süre iki katı", 1, 3, düzelt_yavaş},
    {"düzelt_çevir", "Çevir", "sapı çevir", 0, 4, düzelt_çevir},
};

constexpr const char* sütunBaşlıkları[] = {"perde", "koma", "mikroton"};

Eleman* imleçtekiEleman(Satır& satır) {
    for (int j = 1; j <= std::min<int>(satır.elemanSayısı, sonElemanYuvası); ++j)
        if (satır.elemanlar[j].imleç == 1) return &satır.elemanlar[j];
    return nullptr;
}

}  // namespace

HızlıDüzeltmeler::HızlıDüzeltmeler(SatırEditörü& editör, QWidget* üst)
    : QGroupBox(QString::fromUtf8("Hızlı düzeltmeler"), üst), editör_(editör) {
    setObjectName("HızlıDüzeltmeler");
    auto* ızgara = new QGridLayout(this);
    ızgara->setSpacing(2);
    for (const Düğme& d : düğmeler) {
        auto* b = new QPushButton(qtMetin(d.başlık), this);
        b->setObjectName(qtMetin(d.ad));
        b->setToolTip(qtMetin(d.ipucu));
        b->setFocusPolicy(Qt::NoFocus);
        ızgara->addWidget(b, d.satır, d.sütun);
        connect(b, &QPushButton::clicked, this, [this, f = d.düzeltme] { uygula(f); });
    }
    for (int i = 0; i < 3; ++i) {
        auto* etiket = new QLabel(qtMetin(sütunBaşlıkları[i]), this);
        etiket->setAlignment(Qt::AlignCenter);
        ızgara->addWidget(etiket, 2, i);
    }
}

void HızlıDüzeltmeler::resmeBağla(QWidget& resim) {
    resim_ = &resim;
    resim.installEventFilter(this);
}

bool HızlıDüzeltmeler::eventFilter(QObject* nesne, QEvent* olay) {
    if (nesne == resim_ && olay->type() == QEvent::MouseButtonPress && editör_.satırNo() != 0) show();
    return false;
}

// A refused step changes nothing, so nothing is saved or redrawn.
void HızlıDüzeltmeler::uygula(bool (*düzeltme)(Eleman&)) {
    if (editör_.satırNo() == 0) return;
    Eleman* e = imleçtekiEleman(editör_.tampon());
    if (!e || !düzeltme(*e)) return;
    editör_.düzenlendi();
    hide();
    if (değişti) değişti();
}

}  // namespace selvika
