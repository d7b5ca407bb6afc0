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

// The edited line, when the paste writes into it or empties it, is read
// again from the score afterwards: its unstored edits are asked about first.
void SatırPanosuKomutları::Mn_SatıraYapıştır_Click() {
    const int hedef = menüSatırı_(), kaynak = pano_.kaynak();
    const int düzenlenen = editör_.satırNo();
    const bool okunacak = pano_.dolu() && (düzenlenen == hedef || düzenlenen == kaynak);
    if (okunacak && !editör_.satırBırakılsınMı()) return;
    const bool yapıştı = pano_.Mn_SatıraYapıştır_Click(oturum_.eser(), hedef, etkileşim_);
    if (yapıştı) oturum_.değişikliğiBildir();
    if (yapıştı && okunacak) editör_.satıraGit(düzenlenen);
    // The question may have stored the line or read it again as well.
    if ((yapıştı || okunacak) && değişti) değişti();
}

}  // namespace selvika
