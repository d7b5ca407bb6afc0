#include "app/line_drawing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPalette>
#include <memory>

#include "app/qt_paths.h"
#include "core/defaults.h"
#include "core/preferences.h"
#include "core/silent_interaction.h"
#include "render/glyph_source.h"

namespace selvika {
namespace {

const EserBaşlık& yeniBaşlık() {
    static const EserPtr eser = yeniEser(varsayılanTercihler());
    return eser->başlık;
}

}  // namespace

const GlifKaynağı* programGlifleri(std::string* hata) {
    static std::string neden;
    static const std::unique_ptr<GlifKaynağı> kaynak =
        GlifKaynağı::yükle(yolQt(QCoreApplication::applicationDirPath()), &neden);
    if (hata) *hata = neden;
    return kaynak.get();
}

SatırResmi::SatırResmi(double ölçek, QWidget* üst) : QWidget(üst), ölçek_(ölçek), başlık_(yeniBaşlık) {
    setFixedSize(int(çizimGenişliği * ölçek), int(çizimYüksekliği * ölçek));
}

void SatırResmi::göster(const Satır& satır) {
    satır_ = satır;
    yenidenÇizilsin();
}

void SatırResmi::eserBağla(std::function<const EserBaşlık&()> başlık, Etkileşim& etkileşim) {
    başlık_ = std::move(başlık);
    etkileşim_ = &etkileşim;
    yenidenÇizilsin();
}

void SatırResmi::katmanlarıGöster(bool kanallar, bool seyir) {
    kanallar_ = kanallar;
    seyir_ = seyir;
    yenidenÇizilsin();
}

void SatırResmi::fareEkÇizgileri(std::optional<QPoint> fare) {
    if (fare == fare_) return;
    fare_ = fare;
    update();
}

void SatırResmi::yenidenÇizilsin() {
    çizim_ = QPixmap();
    update();
}

void SatırResmi::seçimiGöster(int ilk, int son) {
    seçimİlk_ = ilk;
    seçimSon_ = son;
    yenidenÇizilsin();
}

// The line is drawn once for every change of what it shows: the mouse and
// the focus paint over the picture kept, and the drawing's warnings are not
// repeated with every move.
QPixmap SatırResmi::çizim() const {
    static SessizEtkileşim sessiz;
    QPixmap resim(size() * devicePixelRatioF());
    resim.setDevicePixelRatio(devicePixelRatioF());
    resim.fill(Qt::white);
    if (const GlifKaynağı* glifler = programGlifleri()) {
        QPainter ressam(&resim);
        ressam.scale(ölçek_, ölçek_);
        Satır satır = satır_;
        const ÇizimOrtamı ortam{.glifler = *glifler, .başlık = başlık_(), .etkileşim = etkileşim_ ? *etkileşim_ : sessiz,
                                .kanallar = kanallar_, .seyir = seyir_, .imleç = true,
                                .seçim = {seçimİlk_, seçimSon_}};
        elemyaz2(ressam, satır, editörÖlçeği, ortam);
    }
    return resim;
}

void SatırResmi::paintEvent(QPaintEvent*) {
    if (çizim_.isNull()) çizim_ = çizim();
    QPainter ressam(this);
    ressam.drawPixmap(0, 0, çizim_);
    ressam.scale(ölçek_, ölçek_);
    const GlifKaynağı* glifler = programGlifleri();
    if (fare_ && glifler) {
        const double en = editörÖlçeği.notaBaşı;
        const QPointF yer = QPointF(*fare_) / ölçek_;
        ressam.setOpacity(0.5);
        ekÇizgileriÇiz(ressam, glifler->kalınlıklar(), yer.x() - en / 2,
                       fareninEkÇizgileri(int(yer.y()), editörÖlçeği, editörÖlçeği.satırTabanı()), en);
        ressam.setOpacity(1);
    }
    if (hasFocus()) {
        ressam.setPen(QPen(palette().color(QPalette::Highlight), 2));
        ressam.setBrush(Qt::NoBrush);
        ressam.drawRect(1, 1, çizimGenişliği - 2, çizimYüksekliği - 2);
    }
}

}  // namespace selvika
