#include "app/line_drawing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPalette>
#include <memory>

#include "app/qt_paths.h"
#include "core/defaults.h"
#include "core/preferences.h"
#include "render/glyph_source.h"

namespace selvika {
namespace {

// Nobody to tell while a line is only being shown.
class SessizEtkileşim : public Etkileşim {
public:
    void ikazYaz(std::string_view) override {}
    Cevap mesaj(std::string_view, std::string_view, Düğmeler) override { return Cevap::tamam; }
    std::optional<std::string> girdi(std::string_view, std::string_view, std::string_view) override { return {}; }
    std::optional<std::filesystem::path> açılacakDosya(const DosyaSeçimi&) override { return {}; }
    std::optional<std::filesystem::path> kaydedilecekDosya(const DosyaSeçimi&) override { return {}; }
};

const EserBaşlık& yeniBaşlık() {
    static const EserPtr eser = yeniEser(varsayılanTercihler());
    return eser->başlık;
}

}  // namespace

const GlifKaynağı* programGlifleri() {
    static const std::unique_ptr<GlifKaynağı> kaynak = GlifKaynağı::yükle(yolQt(QCoreApplication::applicationDirPath()));
    return kaynak.get();
}

SatırResmi::SatırResmi(double ölçek, QWidget* üst) : QWidget(üst), ölçek_(ölçek), başlık_(yeniBaşlık) {
    setFixedSize(int(çizimGenişliği * ölçek), int(çizimYüksekliği * ölçek));
}

void SatırResmi::göster(const Satır& satır) {
    satır_ = satır;
    update();
}

void SatırResmi::eserBağla(std::function<const EserBaşlık&()> başlık, Etkileşim& etkileşim) {
    başlık_ = std::move(başlık);
    etkileşim_ = &etkileşim;
    update();
}

void SatırResmi::katmanlarıGöster(bool kanallar, bool seyir) {
    kanallar_ = kanallar;
    seyir_ = seyir;
    update();
}

void SatırResmi::seçimiGöster(int ilk, int son) {
    seçimİlk_ = ilk;
    seçimSon_ = son;
    update();
}

void SatırResmi::paintEvent(QPaintEvent*) {
    static SessizEtkileşim sessiz;
    QPainter ressam(this);
    ressam.fillRect(rect(), Qt::white);
    ressam.scale(ölçek_, ölçek_);
    if (const GlifKaynağı* glifler = programGlifleri()) {
        Satır satır = satır_;
        const ÇizimOrtamı ortam{.glifler = *glifler, .başlık = başlık_(), .etkileşim = etkileşim_ ? *etkileşim_ : sessiz,
                                .kanallar = kanallar_, .seyir = seyir_, .imleç = true,
                                .seçim = {seçimİlk_, seçimSon_}};
        elemyaz2(ressam, satır, editörÖlçeği, ortam);
    }
    if (hasFocus()) {
        ressam.setPen(QPen(palette().color(QPalette::Highlight), 2));
        ressam.setBrush(Qt::NoBrush);
        ressam.drawRect(1, 1, çizimGenişliği - 2, çizimYüksekliği - 2);
    }
}

}  // namespace selvika
