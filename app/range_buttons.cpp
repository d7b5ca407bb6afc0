#include "app/range_buttons.h"

#include <QGridLayout>
#include <QPushButton>

#include "app/qt_paths.h"

namespace selvika {

AralıkDüğmeleri::AralıkDüğmeleri(SatırEditörü& editör, ElemanPanosu& pano, QWidget* üst)
    : QWidget(üst), editör_(editör), pano_(pano) {
    setObjectName("AralıkDüğmeleri");
    auto* ızgara = new QGridLayout(this);
    ızgara->setContentsMargins(0, 0, 0, 0);
    int sıra = 0;
    for (const AralıkDüğmesi& d : aralıkDüğmeleri()) {
        auto* düğme = new QPushButton(qtMetin(d.başlık), this);
        düğme->setObjectName(QStringLiteral("Command22_%1").arg(d.indeks));
        düğme->setFocusPolicy(Qt::NoFocus);
        düğme->setMaximumWidth(44);
        ızgara->addWidget(düğme, sıra / 3, sıra % 3);
        ++sıra;
        connect(düğme, &QPushButton::clicked, this, [this, komut = d.komut] { tıklandı(komut); });
    }
}

void AralıkDüğmeleri::tıklandı(AralıkKomutu komut) {
    if (!seçim.geçerli(editör_.tampon())) return;
    Command22_Click(editör_, pano_, seçim, komut);
    if (komut == AralıkKomutu::sil || komut == AralıkKomutu::taşı) seçim = {};
    if (değişti) değişti();
}

}  // namespace selvika
