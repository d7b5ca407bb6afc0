#include "app/print_marks_view.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "app/qt_paths.h"
#include "pitch/print_marks.h"
#include "render/staff_geometry.h"

namespace selvika {
namespace {

constexpr int etiketBoyu = 16;

// A label that follows the mouse sideways and reports how far it went.
class ArızaEtiketi : public QLabel {
public:
    ArızaEtiketi(const QString& metin, std::function<void(int)> bırakıldı, QWidget* üst)
        : QLabel(metin, üst), bırakıldı_(std::move(bırakıldı)) {
        setAlignment(Qt::AlignCenter);
        setFixedSize(etiketBoyu + 4, etiketBoyu);
        setStyleSheet("background: rgba(255, 220, 0, 160); border: 1px solid #a08000; font-size: 9px;");
        setCursor(Qt::SizeHorCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* olay) override { başlangıç_ = olay->globalPosition().toPoint().x(); }
    void mouseMoveEvent(QMouseEvent* olay) override {
        const int şimdi = olay->globalPosition().toPoint().x();
        move(x() + şimdi - başlangıç_ - kayma_, y());
        kayma_ = şimdi - başlangıç_;
    }
    void mouseReleaseEvent(QMouseEvent* olay) override {
        const int fark = olay->globalPosition().toPoint().x() - başlangıç_;
        kayma_ = 0;
        if (fark != 0) bırakıldı_(fark);
    }

private:
    std::function<void(int)> bırakıldı_;
    int başlangıç_ = 0;
    int kayma_ = 0;
};

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

ArızaKonumları::ArızaKonumları(SatırEditörü& editör, QWidget& resim) : editör_(editör), resim_(resim) {}

void ArızaKonumları::Mn_Arıza_Click(bool açık) {
    açık_ = açık;
    yenile();
}

void ArızaKonumları::kaldır() {
    for (QLabel* etiket : etiketler_) {
        etiket->hide();
        etiket->deleteLater();  // the label being released may be the caller
    }
    etiketler_.clear();
}

void ArızaKonumları::yenile() {
    kaldır();
    if (!açık_ || editör_.satırNo() == 0) return;
    const Satır& satır = editör_.tampon();
    for (int j = 1; j <= std::min<int>(satır.elemanSayısı, sonElemanYuvası); ++j) {
        const Eleman& e = satır.elemanlar[j];
        if (e.arıza.arıza == 0) continue;
        auto* etiket = new ArızaEtiketi(QString::number(e.arıza.arıza), [this, j](int fark) { sürüklendi(j, fark); },
                                        &resim_);
        const int perde = e.nota() ? e.tür : 14;
        etiket->move(e.konum.x + e.konum.xKayma + e.arıza.arızaAyarı - etiketBoyu - 4,
                     perdeY(perde, editörÖlçeği) - etiketBoyu / 2);
        etiket->show();
        etiketler_.push_back(etiket);
    }
}

void ArızaKonumları::sürüklendi(int eleman, int fark) {
    Integer& ayar = editör_.tampon().elemanlar[eleman].arıza.arızaAyarı;
    ayar = static_cast<Integer>(ayar + fark);
    editör_.düzenlendi();
    if (değişti) değişti();
    yenile();
}

}  // namespace selvika
