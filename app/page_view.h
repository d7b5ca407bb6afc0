#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "core/interaction.h"
#include "core/score_session.h"
#include "render/score_strip.h"

class QCheckBox;
class QSlider;
class QSpinBox;
class QTimer;

namespace selvika {

class SayfaAlanı;
class ŞeritAlanı;
class SayfaEtiketi;

// The "Sayfa" view: the score strip beside the current page, with the
// page's level and density sliders; "Baskı düzeni" shows the page as the
// print layout engraves it instead, "Kısa satırları birleştir" lets it set
// short lines two to a system.
class SayfaGörünümü : public QWidget {
public:
    SayfaGörünümü(EserOturumu& oturum, Etkileşim& etkileşim, QWidget* üst);

    // `SayfaYaz`: rebuilds the strip when asked (its bands in view at once,
    // the others while the program waits for the user), sets the sliders
    // from the page record (`notayaz`) and draws the page again.
    void SayfaYaz(bool şeritYenile);
    // After a line was stored: its band of the strip, and the page.
    void satırıYenile(int satır);

    int sayfa() const;

    // `güfte_hazırla`: the labels of the lyric blocks of the current page.
    void güfte_hazırla();
    // The labels of the titles that are not blank.
    void başlık_hazırla();

    // The title dialog for the current page, at title t.
    void başlıklarıAç(int t);

    // A right click on a band of the strip: the line it shows and where to
    // open a menu.
    std::function<void(int satır, QPoint nerede)> şeritMenüsü;

private:
    void sürgüDeğişti();
    void etiketiBağla(SayfaEtiketi& etiket, std::function<void(QPoint)> sakla);
    void güfteyiAç(int n);
    // Draws on the strip with the score as it is now.
    void şeritteÇiz(const std::function<void(const Eser&, const ÇizimOrtamı&)>& çiz);

    EserOturumu& oturum_;
    Etkileşim& etkileşim_;
    TembelŞerit şerit_;
    ŞeritAlanı* şeritResmi_;
    QTimer* şeritBoşta_;
    SayfaAlanı* alan_;
    QSpinBox* sayfaNo_;
    QSlider* seviye_;
    QSlider* yoğunluk_;
    QCheckBox* baskı_;
    QCheckBox* birleştir_;
    std::vector<SayfaEtiketi*> güfteEtiketleri_;
    std::vector<SayfaEtiketi*> başlıkEtiketleri_;
    bool yükleniyor_ = false;
};

}  // namespace selvika
