#include "app/font_menu.h"

#include <QAction>
#include <QFontDialog>

#include "app/menus.h"
#include "render/score_font.h"

namespace selvika {
namespace {

// Which record of yazıTipleri each item edits.
constexpr struct {
    const char* ad;
    int kayıt;
} öğeler[] = {
    {"Mn_hecefont", 3},      // syllables under the notes
    {"Mn_sazpayıfontu", 4},  // instrument-passage labels
    {"Mn_UsulFontu", 6},     // usul numerals
    {"Mn_dolapfontu", 5},    // volta labels
    {"Mn_GüfteFontu", 2},    // lyric blocks of the pages
};

}  // namespace

std::optional<QFont> sistemYazıTipiDiyaloğu(const QFont& önceki) {
    bool tamam = false;
    const QFont seçilen = QFontDialog::getFont(&tamam, önceki);
    return tamam ? std::optional(seçilen) : std::nullopt;
}

QFont yazıTipiKaydından(const YazıTipi& kayıt) {
    QFont yazıTipi = yüzYazıTipi(kayıt.yüz);
    if (kayıt.boy > 0) yazıTipi.setPointSize(kayıt.boy);
    yazıTipi.setBold(static_cast<bool>(kayıt.kalın));
    yazıTipi.setItalic(static_cast<bool>(kayıt.italik));
    return yazıTipi;
}

void yazıTipiniYaz(YazıTipi& kayıt, const QFont& yazıTipi) {
    kayıt.yüz = Text<40>(yazıTipi.family().toStdString());
    if (yazıTipi.pointSize() > 0) kayıt.boy = static_cast<Integer>(yazıTipi.pointSize());
    kayıt.kalın = yazıTipi.bold();
    kayıt.italik = yazıTipi.italic();
}

YazıTipiMenüsü::YazıTipiMenüsü(Menüler& menüler, EserOturumu& oturum, std::function<void()> yenidenÇiz)
    : seçici(sistemYazıTipiDiyaloğu), oturum_(oturum), yenidenÇiz_(std::move(yenidenÇiz)) {
    for (const auto& öğe : öğeler)
        QObject::connect(menüler.eylem(öğe.ad), &QAction::triggered, [this, kayıt = öğe.kayıt] { seç(kayıt); });
}

void YazıTipiMenüsü::seç(int kayıt) {
    if (!oturum_.açık()) return;
    YazıTipi& yazıTipi = oturum_.eser().başlık.yazıTipleri[kayıt];
    const std::optional<QFont> seçilen = seçici(yazıTipiKaydından(yazıTipi));
    if (!seçilen) return;
    yazıTipiniYaz(yazıTipi, *seçilen);
    oturum_.değişikliğiBildir();
    if (yenidenÇiz_) yenidenÇiz_();
}

}  // namespace selvika
