#include "app/palette.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "app/qt_paths.h"
#include "app/usul_width.h"
#include "edit/note_entry.h"
#include "edit/palette_placement.h"
#include "pitch/accidental_palette.h"
#include "pitch/key_signature_commands.h"
#include "pitch/key_signatures.h"
#include "render/bar_lines.h"

namespace selvika {
namespace {

constexpr int şeritSonu = 253;

// The lower cells, left to right, by the kind of element they place.
constexpr struct {
    Byte tür;
    const char* başlık;
} hücreler[] = {{tür::donanım, "Donanım"}, {tür::usul, "Usul"}};

// The row of rests and bar lines under the cells: every rest value, then
// the bar-line kinds.
constexpr struct {
    bool çizgi;
    Byte değer;
} araçlar[] = {{false, 1}, {false, 2}, {false, 4}, {false, 8}, {false, 16}, {false, 32}, {false, 64},
               {true, 43}, {true, 33}, {true, 34}, {true, 37},  {true, 38},  {true, 39}};
constexpr int ilkSusGlifi = 'H';  // the whole rest; shorter values follow

Eleman araçElemanı(int i) {
    const auto& a = araçlar[i];
    return a.çizgi ? çizgiElemanı(a.değer) : susElemanı(a.değer);
}

int araçGlifi(int i) {
    const auto& a = araçlar[i];
    return a.çizgi ? ölçüÇizgisiGlifi(ölçüÇizgisiTürü(a.değer)) : ilkSusGlifi + i;
}

QString arızaMetni(Integer arıza) {
    if (arıza == bekar) return QStringLiteral("\u266E");
    return (arıza > 0 ? QStringLiteral("+") : QString()) + QString::number(arıza);
}

std::optional<Eleman> usulElemanı(std::optional<int> usulNo, const YazıTipi& yazıTipi, Etkileşim& etkileşim) {
    if (!usulNo) {
        etkileşim.mesaj(usulSeçin);
        return std::nullopt;
    }
    Eleman e;
    e.tür = tür::usul;
    e.usulNo = static_cast<Byte>(*usulNo);
    usuleni(e, yazıTipi);
    return e;
}

}  // namespace

GlifSayfası::GlifSayfası(const std::filesystem::path& programKlasörü) {
    yüklü_ = karakterTablosunuOku(programKlasörü / karakterDosyası, tablo_) &&
             sayfa_.load(qtYol(programKlasörü / karakterSayfası));
}

bool GlifSayfası::var(int kod) const { return yüklü_ && kod >= ilkKarakter && kod <= sonKarakter && !tablo_[kod].boş(); }

bool GlifSayfası::ortala(QPainter& ressam, int kod, const QRectF& hedef) const {
    if (!var(kod)) return false;
    const KarakterKaydı& k = tablo_[kod];
    const QRectF kaynak(k.sayfaX, k.sayfaY, k.genişlik, k.yükseklik);
    const double ölçek = std::min({1.0, hedef.width() / k.genişlik, hedef.height() / k.yükseklik});
    QRectF yer(0, 0, k.genişlik * ölçek, k.yükseklik * ölçek);
    yer.moveCenter(hedef.center());
    ressam.drawPixmap(yer, sayfa_, kaynak);
    return true;
}

bool GlifSayfası::kökeÇiz(QPainter& ressam, int kod, QPointF köken) const {
    if (!var(kod)) return false;
    const KarakterKaydı& k = tablo_[kod];
    const QPointF solÜst(köken.x() + k.kaymaX - k.kökSütunu, köken.y() + k.kaymaY - k.kökSatırı);
    ressam.drawPixmap(solÜst, sayfa_, QRectF(k.sayfaX, k.sayfaY, k.genişlik, k.yükseklik));
    return true;
}

ElemanPaleti::ElemanPaleti(SatırEditörü& editör, EserOturumu& oturum, Etkileşim& etkileşim,
                           const GlifSayfası& glifler, QWidget* üst)
    : QWidget(üst), editör_(editör), oturum_(oturum), etkileşim_(etkileşim), glifler_(glifler) {
    setObjectName("Picture2");
    setFixedSize(şeritSonu + 1, araçÜstü + şeritYüksekliği + 1);
}

void ElemanPaleti::resmeBağla(QWidget& resim) {
    resim_ = &resim;
    resim.installEventFilter(this);
}

void ElemanPaleti::paintEvent(QPaintEvent*) {
    QPainter ressam(this);
    ressam.fillRect(rect(), palette().color(QPalette::Window));
    şeritÇiz(ressam);
    hücreleriÇiz(ressam);
    araçlarıÇiz(ressam);
}

// Each band is found from the palette's own x bands, so the drawing can never
// disagree with what a click chooses.
void ElemanPaleti::şeritÇiz(QPainter& ressam) {
    ressam.fillRect(1, 0, şeritSonu, şeritYüksekliği, Qt::white);
    int baş = 1;
    while (baş <= şeritSonu) {
        const Integer arıza = *paletArızası(baş);
        int son = baş;
        while (son < şeritSonu && paletArızası(son + 1) == arıza) ++son;
        const QRect bant(baş, 0, son - baş + 1, şeritYüksekliği);
        if (bekleyen_ != 0 && arıza == seçili_) ressam.fillRect(bant, QColor(170, 200, 255));
        ressam.setPen(QColor(190, 190, 190));
        ressam.drawLine(bant.topRight(), bant.bottomRight());
        ressam.setPen(Qt::black);
        if (!glifler_.ortala(ressam, arızaGlifi(arıza), bant.adjusted(2, 2, -2, -2)))
            ressam.drawText(bant, Qt::AlignCenter, arızaMetni(arıza));
        baş = son + 1;
    }
    ressam.setPen(Qt::gray);
    ressam.drawRect(0, 0, şeritSonu, şeritYüksekliği);
}

void ElemanPaleti::hücreleriÇiz(QPainter& ressam) {
    int x = 0;
    for (const auto& h : hücreler) {
        const QRect hücre(x, hücreÜstü, hücreGenişliği - 4, şeritYüksekliği);
        const bool seçili = araç_ && araçHücresi_ < 0 && araç_->tür == h.tür;
        ressam.fillRect(hücre, seçili ? QColor(170, 200, 255) : QColor(245, 245, 235));
        ressam.setPen(Qt::gray);
        ressam.drawRect(hücre);
        ressam.setPen(Qt::black);
        ressam.drawText(hücre, Qt::AlignCenter, qtMetin(h.başlık));
        x += hücreGenişliği;
    }
}

// The chosen cell stays pressed: sunk under a dark edge, on the highlight,
// for as long as its tool waits to be placed.
void ElemanPaleti::araçlarıÇiz(QPainter& ressam) {
    for (int i = 0; i < int(std::size(araçlar)); ++i) {
        const QRect hücre(i * araçGenişliği, araçÜstü, araçGenişliği - 1, şeritYüksekliği - 2);
        const bool basılı = araç_ && araçHücresi_ == i;
        ressam.fillRect(hücre, basılı ? QColor(170, 200, 255) : QColor(Qt::white));
        ressam.setPen(basılı ? QPen(palette().color(QPalette::Highlight), 2) : QPen(Qt::gray));
        ressam.drawRect(hücre);
        if (basılı) {
            ressam.setPen(QPen(Qt::black, 1));
            ressam.drawLine(hücre.topLeft() + QPoint(1, 1), hücre.topRight() + QPoint(-1, 1));
            ressam.drawLine(hücre.topLeft() + QPoint(1, 1), hücre.bottomLeft() + QPoint(1, -1));
        }
        glifler_.ortala(ressam, araçGlifi(i), hücre.adjusted(2, 3, -1, -3).translated(basılı ? QPoint(1, 1) : QPoint()));
    }
}

void ElemanPaleti::mousePressEvent(QMouseEvent* olay) {
    const QPoint p = olay->position().toPoint();
    if (p.y() < şeritYüksekliği)
        şeritTıklandı(p.x(), olay->modifiers());
    else if (p.y() >= araçÜstü)
        araçTıklandı(p.x() / araçGenişliği);
    else if (p.y() >= hücreÜstü)
        hücreTıklandı(p.x());
}

// A second click on the chosen cell puts the tool away.
void ElemanPaleti::araçTıklandı(int i) {
    if (i >= int(std::size(araçlar))) return;
    const bool bırakıldı = araç_ && araçHücresi_ == i;
    araç_ = bırakıldı ? std::nullopt : std::optional(araçElemanı(i));
    araçHücresi_ = i;
    if (araçlar[i].çizgi && çizgiSeçildi) çizgiSeçildi(araç_ ? araç_->tür : 0);
    if (araçDeğişti) araçDeğişti();
    update();
}

void ElemanPaleti::şeritTıklandı(int x, Qt::KeyboardModifiers tuşlar) {
    const std::optional<Integer> arıza = paletArızası(x);
    if (!arıza) return;
    seçili_ = *arıza;
    bekleyen_ = bekleyenArıza(*arıza, tuşlar & Qt::ShiftModifier, tuşlar & Qt::ControlModifier, etkileşim_);
    update();
}

// A cell is a tool like the rests, refused without the makam or usul it
// would place; a second click puts it away.
void ElemanPaleti::hücreTıklandı(int x) {
    const std::size_t i = static_cast<std::size_t>(x / hücreGenişliği);
    if (i >= std::size(hücreler) || editör_.satırNo() == 0) return;
    const bool bırakıldı = araç_ && araçHücresi_ < 0 && araç_->tür == hücreler[i].tür;
    std::optional<Eleman> yeni = bırakıldı ? std::nullopt : hücreElemanı(hücreler[i].tür);
    if (!bırakıldı && !yeni) return;
    araç_ = yeni;
    araçHücresi_ = -1;
    update();
}

// The element of a cell, from the makam or usul chosen when it is placed.
std::optional<Eleman> ElemanPaleti::hücreElemanı(Byte türü) {
    const EserBaşlık& başlık = oturum_.eser().başlık;
    if (türü == tür::donanım)
        return donanımElemanı(seçilenMakam ? seçilenMakam() : std::nullopt, başlık.donanım, etkileşim_);
    return usulElemanı(seçilenUsul ? seçilenUsul() : std::nullopt, başlık.yazıTipleri[usulYazıTipi], etkileşim_);
}

bool ElemanPaleti::eventFilter(QObject* nesne, QEvent* olay) {
    if (nesne != resim_ || olay->type() != QEvent::MouseButtonPress || editör_.satırNo() == 0) return false;
    auto* fare = static_cast<QMouseEvent*>(olay);
    if (fare->button() != Qt::LeftButton) return false;
    const int x = fare->position().toPoint().x();
    return arızaVer(x) || araçKoy(x);
}

// The pending accidental goes to the note clicked.
bool ElemanPaleti::arızaVer(int x) {
    if (bekleyen_ == 0 || arızayıUygula(editör_.tampon(), bekleyen_, x) == 0) return false;
    bekleyen_ = 0;
    update();
    düzenlendi();
    return true;
}

// The chosen tool's element goes into the gap clicked; a click on an
// element is left to select it.
bool ElemanPaleti::araçKoy(int x) {
    if (!araç_ || (notaModunda && !notaModunda())) return false;
    if (araçHücresi_ < 0) {
        std::optional<Eleman> yeni = hücreElemanı(araç_->tür);
        if (!yeni) return true;
        araç_ = std::move(yeni);
    }
    const Yerleştirme sonuç = paletElemanıYerleştir(editör_.tampon(), *araç_, x, etkileşim_);
    if (sonuç == Yerleştirme::yerleşti) düzenlendi();
    return sonuç != Yerleştirme::elemanÜstünde;
}

void ElemanPaleti::düzenlendi() {
    editör_.düzenlendi();
    if (değişti) değişti();
}

}  // namespace selvika
