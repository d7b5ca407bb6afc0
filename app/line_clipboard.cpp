#include "app/line_clipboard.h"

#include <QAction>

#include "app/menus.h"
#include "core/line_editor.h"

namespace selvika {

SatırPanosuKomutları::SatırPanosuKomutları(const Menüler& menüler, EserOturumu& oturum, SatırEditörü& editör,
                                           Etkileşim& etkileşim, std::function<int()> menüSatırı, QObject* üst)
    : QObject(üst), oturum_(oturum), editör_(editör), etkileşim_(etkileşim), menüSatırı_(std::move(menüSatırı)) {
    connect(menüler.eylem("Mn_SatırKopyala"), &QAction::triggered, this,
            [this] { pano_.Mn_SatırKopyala_Click(menüSatırı_()); });
    connect(menüler.eylem("Mn_SatırTaşı"), &QAction::triggered, this, [this] { pano_.Mn_SatırTaşı_Click(menüSatırı_()); });
    connect(menüler.eylem("Mn_SatıraYapıştır"), &QAction::triggered, this, [this] { Mn_SatıraYapıştır_Click(); });
}

// The edited line, when the paste wrote into it or emptied it, is read
// again from the score.
void SatırPanosuKomutları::Mn_SatıraYapıştır_Click() {
    const int hedef = menüSatırı_(), kaynak = pano_.kaynak();
    if (!pano_.Mn_SatıraYapıştır_Click(oturum_.eser(), hedef, etkileşim_)) return;
    oturum_.değişikliğiBildir();
    const int düzenlenen = editör_.satırNo();
    if (düzenlenen == hedef || düzenlenen == kaynak) editör_.satıraGit(düzenlenen);
    if (değişti) değişti();
}

}  // namespace selvika
