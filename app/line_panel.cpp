#include "app/line_panel.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <type_traits>

#include "app/key_input.h"
#include "app/line_drawing.h"
#include "app/line_end_picker.h"
#include "app/qt_paths.h"
#include "app/tool_palette.h"
#include "render/line_layout.h"
#include "render/line_painter.h"

namespace selvika {

// A neighbour of the edited line, drawn at half scale with its number.
class Önizleme : public QWidget {
public:
    Önizleme(const char* ad, SatırPaneli& panel) : QWidget(&panel), panel_(panel) {
        setObjectName(ad);
        // The editing area stays in place whether a neighbour is shown or not.
        QSizePolicy yer = sizePolicy();
        yer.setRetainSizeWhenHidden(true);
        setSizePolicy(yer);
        auto* düzen = new QHBoxLayout(this);
        düzen->setContentsMargins(0, 0, 0, 0);
        etiket_ = new QLabel(this);
        etiket_->setMinimumWidth(40);
        etiket_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        resim_ = new SatırResmi(0.5, this);
        düzen->addWidget(etiket_);
        düzen->addWidget(resim_);
        düzen->addStretch();
    }

    void göster(std::optional<int> satır, const Eser& eser) {
        satır_ = satır.value_or(0);
        etiket_->setText(satır ? QString::number(*satır) : QString());
        resim_->göster(satır ? eser.satırlar[*satır] : Satır{});
        setVisible(satır.has_value());
    }

protected:
    void contextMenuEvent(QContextMenuEvent* olay) override {
        if (satır_ >= 1 && panel_.önizlemeMenüsü) panel_.önizlemeMenüsü(satır_, olay->globalPos());
    }

private:
    SatırPaneli& panel_;
    QLabel* etiket_;
    SatırResmi* resim_;
    int satır_ = 0;
};

namespace {

// The layout values of a line, each with its slider.
struct Sürgü {
    const char* ad;
    const char* başlık;
    int enAz, enÇok;
    int (*oku)(const Satır&);
    void (*yaz)(Satır&, int);
};

template <auto alan>
constexpr Sürgü sürgü(const char* ad, const char* başlık, int enAz, int enÇok) {
    return {ad, başlık, enAz, enÇok, [](const Satır& s) { return int(s.*alan); },
            [](Satır& s, int değer) { s.*alan = static_cast<std::remove_cvref_t<decltype(s.*alan)>>(değer); }};
}

constexpr std::array<Sürgü, 5> sürgüTablosu = {{
    sürgü<&Satır::ayar1>("ayar1", "Sol kenar", 0, 200),
    sürgü<&Satır::ayar2>("ayar2", "Sağ kenar", 400, 1000),
    sürgü<&Satır::ayar3>("ayar3", "En geniş aralık", 10, 80),
    sürgü<&Satır::ayar4>("ayar4", "Kiriş sıkılığı", 0, 6),
    sürgü<&Satır::heceKayması>("HeceSürgüsü", "Hece kayması", 0, 150),
}};

struct Düğme {
    const char* ad;
    const char* başlık;
    QKeySequence kısayol;
};

QPushButton* düğme(QWidget* üst, const Düğme& d) {
    auto* b = new QPushButton(qtMetin(d.başlık), üst);
    b->setObjectName(qtMetin(d.ad));
    b->setShortcut(d.kısayol);
    if (!d.kısayol.isEmpty()) b->setToolTip(d.kısayol.toString(QKeySequence::NativeText));
    return b;
}

}  // namespace

SatırPaneli::SatırPaneli(EserOturumu& oturum, SatırEditörü& editör, QWidget* üst)
    : QWidget(üst), oturum_(oturum), editör_(editör) {
    setObjectName("SatırPaneli");
    auto* düzen = new QVBoxLayout(this);
    düzen->setContentsMargins(0, 0, 0, 0);
    üstÖnizleme_ = new Önizleme("ÜstÖnizleme", *this);
    satırEtiketi_ = new QLabel(this);
    Picture1_ = new SatırResmi(1.0, this);
    Picture1_->setObjectName("Picture1");
    Picture1_->setFocusPolicy(Qt::StrongFocus);
    altÖnizleme_ = new Önizleme("AltÖnizleme", *this);
    düzen->addWidget(üstÖnizleme_);
    düzen->addWidget(satırEtiketi_);
    düzen->addWidget(Picture1_);
    düzen->addWidget(altÖnizleme_);
    düğmeleriKur();
    sürgüleriKur();
    düzen->addStretch();
    düğmeleriGüncelle();
}

void SatırPaneli::düğmeleriKur() {
    auto* sıra = new QHBoxLayout;
    Command2_ = düğme(this, {"Command2", "Tamam", QKeySequence(Qt::CTRL | Qt::Key_Return)});
    Command26_[0] = düğme(this, {"Command26_0", "Geri al", QKeySequence(Qt::CTRL | Qt::Key_Z)});
    Command26_[1] = düğme(this, {"Command26_1", "Yinele", QKeySequence(Qt::CTRL | Qt::Key_Y)});
    Command12_ = düğme(this, {"Command12", "Vazgeç", {}});
    auto* kapatma = new QToolButton(this);
    kapatma->setObjectName("KapatResmi");
    kapatma->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    kapatma->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    kapatma->setToolTip(QString::fromUtf8("Satırdan çık (%1)").arg(kapatma->shortcut().toString(QKeySequence::NativeText)));
    satırSonu_ = new SatırSonuSeçici(this);
    satırSonu_->seçildi = [this](Byte tür) {
        editör_.tampon().satırSonu = tür;
        editör_.düzenlendi();
        yenidenÇiz();
    };
    for (QWidget* w : {static_cast<QWidget*>(Command2_), static_cast<QWidget*>(Command26_[0]),
                       static_cast<QWidget*>(Command26_[1]), static_cast<QWidget*>(Command12_)})
        sıra->addWidget(w);
    sıra->addSpacing(16);
    sıra->addWidget(new QLabel(QString::fromUtf8("Satır sonu"), this));
    sıra->addWidget(satırSonu_);
    sıra->addStretch();
    sıra->addWidget(kapatma);
    static_cast<QVBoxLayout*>(layout())->addLayout(sıra);
    connect(Command2_, &QPushButton::clicked, this, [this] { kaydet(); });
    connect(Command26_[0], &QPushButton::clicked, this, [this] { geriAl(); });
    connect(Command26_[1], &QPushButton::clicked, this, [this] { yinele(); });
    connect(Command12_, &QPushButton::clicked, this, [this] {
        editör_.vazgeçmeİpucu();
        Command12_->hide();
    });
    connect(kapatma, &QToolButton::clicked, this, [this] { kapat(); });
}

void SatırPaneli::sürgüleriKur() {
    auto* ızgara = new QGridLayout;
    for (std::size_t i = 0; i < sürgüTablosu.size(); ++i) {
        const Sürgü& s = sürgüTablosu[i];
        auto* sürgü = new QSlider(Qt::Horizontal, this);
        sürgü->setObjectName(qtMetin(s.ad));
        sürgü->setRange(s.enAz, s.enÇok);
        auto* etiket = new QLabel(qtMetin(s.başlık), this);
        etiket->setBuddy(sürgü);
        ızgara->addWidget(etiket, int(i / 3), int(i % 3) * 2);
        ızgara->addWidget(sürgü, int(i / 3), int(i % 3) * 2 + 1);
        connect(sürgü, &QSlider::valueChanged, this, [this, yaz = s.yaz](int değer) {
            if (sürgülerAyarlanıyor_) return;
            yaz(editör_.tampon(), değer);
            editör_.düzenlendi();
            yenidenÇiz();
        });
        sürgüler_[i] = sürgü;
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(ızgara);
}

// Setting the sliders and the line-end picker from the buffer is not an
// edit.
void SatırPaneli::sürgülerTampondan() {
    sürgülerAyarlanıyor_ = true;
    for (std::size_t i = 0; i < sürgüTablosu.size(); ++i) sürgüler_[i]->setValue(sürgüTablosu[i].oku(editör_.tampon()));
    sürgülerAyarlanıyor_ = false;
    satırSonu_->göster(editör_.tampon().satırSonu);
}

void SatırPaneli::düğmeleriGüncelle() {
    Command26_[0]->setEnabled(!kilitli_ && editör_.geriAlınabilir());
    Command26_[1]->setEnabled(!kilitli_ && editör_.yinelenebilir());
}

void SatırPaneli::düzenlemeyiKilitle(bool kilitli) {
    kilitli_ = kilitli;
    for (QWidget* w : {static_cast<QWidget*>(Command2_), static_cast<QWidget*>(Command12_),
                       static_cast<QWidget*>(satırSonu_), Picture4_})
        if (w) w->setEnabled(!kilitli);
    for (QSlider* sürgü : sürgüler_) sürgü->setEnabled(!kilitli);
    düğmeleriGüncelle();
}

void SatırPaneli::satırıGöster() {
    üstÖnizleme_->göster(editör_.üstÖnizleme(), oturum_.eser());
    altÖnizleme_->göster(editör_.altÖnizleme(), oturum_.eser());
    satırEtiketi_->setText(QString::fromUtf8("Satır %1").arg(editör_.satırNo()));
    Command12_->show();
    show();
    yenidenÇiz();
    Picture1_->setFocus();
}

// The buffer is laid out as it is drawn, so that the mouse finds every
// element where it stands; positions are no edit of the music.
void SatırPaneli::yenidenÇiz() {
    sürgülerTampondan();
    if (editör_.satırNo() >= 1) adresle4(editör_.tampon(), editörÖlçeği, elemanÖlçümü(oturum_.eser().başlık));
    Picture1_->göster(editör_.tampon());
    düğmeleriGüncelle();
    if (çizildi) çizildi();
}

SatırResmi& SatırPaneli::resim() { return *Picture1_; }

TuşGirişi& SatırPaneli::tuşlarıBağla(Etkileşim& etkileşim) {
    auto* tuşlar = new TuşGirişi(*Picture1_, editör_, etkileşim, [this] { yenidenÇiz(); });
    auto* düzen = static_cast<QVBoxLayout*>(layout());
    Picture4_ = new Picture4(*tuşlar, this);
    düzen->insertWidget(düzen->indexOf(Picture1_) + 1, Picture4_, 0, Qt::AlignLeft);
    return *tuşlar;
}

void SatırPaneli::kaydet() {
    editör_.kaydet();
    yenidenÇiz();
    Picture1_->setFocus();
}

void SatırPaneli::geriAl() {
    editör_.geriAl();
    yenidenÇiz();
    Picture1_->setFocus();
}

void SatırPaneli::yinele() {
    editör_.yinele();
    yenidenÇiz();
}

void SatırPaneli::kapat() {
    hide();
    if (kapandı) kapandı();
    editör_.ayrıl();
}

}  // namespace selvika
