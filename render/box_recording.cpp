#include "render/box_recording.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

namespace selvika {
namespace {

class KutuMotoru : public QPaintEngine {
public:
    explicit KutuMotoru(KutuKaydı& kayıt) : QPaintEngine(AllFeatures), kayıt_(kayıt) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return User; }

    // Text comes here too, as the outlines of its glyphs.
    void drawPath(const QPainterPath& yol) override { kalemle(yol.boundingRect()); }
    void drawPolygon(const QPointF* noktalar, int adet, PolygonDrawMode) override {
        kalemle(QPolygonF(QList<QPointF>(noktalar, noktalar + adet)).boundingRect());
    }
    void drawLines(const QLineF* çizgiler, int adet) override {
        for (int i = 0; i < adet; ++i) kalemle(QRectF(çizgiler[i].p1(), çizgiler[i].p2()).normalized());
    }
    void drawRects(const QRectF* dörtgenler, int adet) override {
        for (int i = 0; i < adet; ++i) kalemle(dörtgenler[i]);
    }
    void drawEllipse(const QRectF& r) override { kalemle(r); }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override { ekle(r); }
    void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override { ekle(r); }
    void drawTiledPixmap(const QRectF& r, const QPixmap&, const QPointF&) override { ekle(r); }

private:
    // A stroked shape's box grows by half the pen's width.
    void kalemle(QRectF r) {
        const QPen& kalem = painter()->pen();
        if (kalem.style() != Qt::NoPen) {
            const double w = kalem.widthF() / 2;
            r.adjust(-w, -w, w, w);
        }
        ekle(r);
    }

    void ekle(QRectF r) {
        if (kayıt_.bağlam.tür == KutuTürü::none) return;
        if (painter()->hasClipping()) {
            r = r.intersected(painter()->clipBoundingRect());
            if (r.isEmpty()) return;
        }
        const QRectF s = painter()->combinedTransform().mapRect(r);
        kayıt_.ekle({s.left(), s.top(), s.right(), s.bottom()});
    }

    KutuKaydı& kayıt_;
};

KutuKaydı* kayıtOf(QPainter& ressam) {
    auto* yüzey = dynamic_cast<KutuYüzeyi*>(ressam.device());
    return yüzey ? &yüzey->kayıt : nullptr;
}

}  // namespace

KutuYüzeyi::KutuYüzeyi(int genişlik, int yükseklik)
    : genişlik_(genişlik), yükseklik_(yükseklik), motor_(std::make_unique<KutuMotoru>(kayıt)) {}

KutuYüzeyi::~KutuYüzeyi() = default;

QPaintEngine* KutuYüzeyi::paintEngine() const { return motor_.get(); }

// 96 dots an inch, as the pages are drawn for.
int KutuYüzeyi::metric(PaintDeviceMetric m) const {
    constexpr int dpi = 96;
    switch (m) {
        case PdmWidth: return genişlik_;
        case PdmHeight: return yükseklik_;
        case PdmWidthMM: return genişlik_ * 254 / (10 * dpi);
        case PdmHeightMM: return yükseklik_ * 254 / (10 * dpi);
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return dpi;
        case PdmDepth: return 32;
        case PdmNumColors: return 0;
        case PdmDevicePixelRatio: return 1;
        default: return QPaintDevice::metric(m);
    }
}

KutuBağlamı* KutuKapsamı::aç() {
    if (!kayıt_) return nullptr;
    önceki_ = kayıt_->bağlam;
    return &kayıt_->bağlam;
}

KutuKapsamı::KutuKapsamı(QPainter& ressam, const KutuBağlamı& bağlam) : kayıt_(kayıtOf(ressam)) {
    if (auto* b = aç()) *b = bağlam;
}

KutuKapsamı::KutuKapsamı(QPainter& ressam, KutuTürü tür, int eleman) : kayıt_(kayıtOf(ressam)) {
    if (auto* b = aç()) {
        b->tür = tür;
        b->eleman = eleman;
    }
}

KutuKapsamı::KutuKapsamı(QPainter& ressam, int eleman) : kayıt_(kayıtOf(ressam)) {
    if (auto* b = aç()) b->eleman = eleman;
}

KutuKapsamı::KutuKapsamı(QPainter& ressam, KutuTürü tür) : kayıt_(kayıtOf(ressam)) {
    if (auto* b = aç()) b->tür = tür;
}

KutuKapsamı::~KutuKapsamı() {
    if (kayıt_) kayıt_->bağlam = önceki_;
}

KutuTürü çizilenTür(QPainter& ressam) {
    const KutuKaydı* k = kayıtOf(ressam);
    return k ? k->bağlam.tür : KutuTürü::none;
}

}  // namespace selvika
