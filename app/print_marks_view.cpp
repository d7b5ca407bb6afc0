#include "app/print_marks_view.h"

#include <QPainter>

#include "app/drag_label.h"
#include "app/qt_paths.h"
#include "lyrics/syllables.h"
#include "pitch/print_marks.h"
#include "render/staff_geometry.h"

namespace selvika {
namespace {
constexpr int etiketBoyu = SürüklemeEtiketi::boy;
}  // namespace

BaskılarGörünümü::BaskılarGörünümü(const SatırEditörü& editör, QWidget& resim) : QWidget(&resim), editör_(editör) {
    setObjectName("Baskılar");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(resim.rect());
    hide();
}

void BaskılarGörünümü::Mn_Microton_Click(bool açık) {
    setGeometry(parentWidget()->rect());
    setVisible(açık);
    raise();
}

void BaskılarGörünümü::yenile() { update(); }

void BaskılarGörünümü::paintEvent(QPaintEvent*) {
    QPainter ressam(this);
    ressam.setPen(QColor(180, 0, 0));
    for (const Baskıİşareti& i : baskıİşaretleri(editör_.tampon())) ressam.drawText(i.x, i.y, qtMetin(i.metin));
}

EtiketTürü arızaEtiketleri() {
    return {EtiketParçası::arıza, [](const Eleman& e) { return QString::number(e.arıza.arıza); },
            [](const Eleman& e) {
                return QPoint(e.konum.x + e.konum.xKayma + e.arıza.arızaAyarı - etiketBoyu - 4,
                              perdeY(e.nota() ? e.tür : 14, editörÖlçeği) - etiketBoyu / 2);
            }};
}

EtiketTürü heceEtiketleri() {
    return {EtiketParçası::hece, [](const Eleman&) { return QStringLiteral("h"); },
            [](const Eleman& e) { return QPoint(heceEtiketiX(e), perdeY(22, editörÖlçeği)); }};
}

SürüklenenEtiketler::SürüklenenEtiketler(SatırEditörü& editör, EditörDurumu& durum, QWidget& resim, EtiketTürü tür)
    : editör_(editör), durum_(durum), resim_(resim), tür_(std::move(tür)) {}

void SürüklenenEtiketler::göster(bool açık) {
    açık_ = açık;
    if (!açık && durum_.tutamak && std::holds_alternative<EtiketTutamağı>(*durum_.tutamak) &&
        std::get<EtiketTutamağı>(*durum_.tutamak).parça == tür_.parça)
        durum_.tutamak.reset();
    yenile();
}

void SürüklenenEtiketler::kaldır() {
    for (SürüklemeEtiketi* etiket : etiketler_) {
        etiket->hide();
        etiket->deleteLater();  // the label being released may be the caller
    }
    etiketler_.clear();
    elemanlar_.clear();
}

void SürüklenenEtiketler::yenile() {
    kaldır();
    if (!açık_ || editör_.satırNo() == 0) return;
    const Satır& satır = editör_.tampon();
    for (int j = 1; j <= std::min<int>(satır.elemanSayısı, sonElemanYuvası); ++j) {
        const Eleman& e = satır.elemanlar[j];
        if (!parçasıVar(e, tür_.parça)) continue;
        auto* etiket = new SürüklemeEtiketi(tür_.metin(e), Qt::Horizontal,
                                            [this, j](int fark) { sürüklendi(j, fark); }, &resim_);
        etiket->vurgula(seçili(j));
        etiket->basıldı = [this, j] { seç(j); };
        etiket->move(tür_.yer(e));
        etiket->show();
        etiketler_.push_back(etiket);
        elemanlar_.push_back(j);
    }
}

bool SürüklenenEtiketler::seçili(int eleman) const {
    return durum_.tutamak == Tutamak{EtiketTutamağı{eleman, tür_.parça}};
}

void SürüklenenEtiketler::seç(int eleman) {
    durum_.tutamak = EtiketTutamağı{eleman, tür_.parça};
    for (std::size_t i = 0; i < etiketler_.size(); ++i) etiketler_[i]->vurgula(elemanlar_[i] == eleman);
}

void SürüklenenEtiketler::sürüklendi(int eleman, int fark) {
    parçayıKaydır(editör_.tampon().elemanlar[eleman], tür_.parça, fark);
    editör_.düzenlendi();
    if (değişti) değişti();
    yenile();
}

}  // namespace selvika
