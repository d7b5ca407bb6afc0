#include "app/cins_profile_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "analysis/cins_profile.h"
#include "app/qt_paths.h"

namespace selvika {
namespace {

constexpr const char* seyirBaşlığı =
    "                                      Ç I K I C I    S E Y İ R D E                                      "
    "                                              İ N İ C İ    S E Y İ R D E                                "
    "                 ";
constexpr const char* dereceBaşlığı =
    "     DURAK           1. DERECE          2. DERECE        3. DERECE        4. DERECE        3. DERECE    "
    "    2. DERECE        1. DERECE          DURAK             YEDEN ";

constexpr int çizgiAralığı = 5;  // a third of a koma
constexpr int sütunSayısı = 10;

}  // namespace

CinsResmi::CinsResmi(QWidget* üst) : QWidget(üst) {
    setObjectName("PicCins");
    setMouseTracking(true);
    setMinimumSize(genişlik / 2, yükseklik / 2);
    QSizePolicy politika(QSizePolicy::Expanding, QSizePolicy::Expanding);
    politika.setHeightForWidth(true);
    setSizePolicy(politika);
}

void CinsResmi::göster(Cins* cins) {
    cins_ = cins;
    update();
}

double CinsResmi::ölçek() const {
    return std::min(double(width()) / genişlik, double(height()) / yükseklik);
}

QPointF CinsResmi::ekranda(QPointF birim) const { return birim * ölçek(); }

QPointF CinsResmi::birimde(QPointF ekran) const { return ekran / ölçek(); }

void CinsResmi::paintEvent(QPaintEvent*) {
    QPainter ressam(this);
    ressam.fillRect(rect(), palette().window());
    ressam.scale(ölçek(), ölçek());
    CetvelCiz(ressam);
}

// Lines every third of a koma, the whole koma darker; the columns; the
// tonic's line; the headers; then the cins.
void CinsResmi::CetvelCiz(QPainter& ressam) const {
    ressam.fillRect(QRect(0, 0, genişlik, yükseklik), Qt::white);
    for (int y = cinsÜstPayı; y < yükseklik; y += çizgiAralığı) {
        const bool tamKoma = (cinsTabanı - y) % (3 * çizgiAralığı) == 0;
        ressam.setPen(tamKoma ? QColor(110, 110, 110) : QColor(170, 215, 170));
        ressam.drawLine(0, y, genişlik, y);
    }
    ressam.setPen(QPen(Qt::darkGray, 2));
    for (int i = 1; i < sütunSayısı; ++i) ressam.drawLine(i * cinsSütunGenişliği, 0, i * cinsSütunGenişliği, yükseklik);
    ressam.setPen(QPen(Qt::red, 2));
    ressam.drawLine(0, cinsTabanı, genişlik, cinsTabanı);
    QFont yazı = ressam.font();
    yazı.setPixelSize(10);
    yazı.setBold(true);
    ressam.setFont(yazı);
    const QRectF sonSütun(9 * cinsSütunGenişliği, cinsTabanı - 16, cinsSütunGenişliği, 14);
    ressam.drawText(sonSütun, Qt::AlignCenter, "KARAR SESI");
    başlıklarıYaz(ressam);
    CinsCiz(ressam);
}

// The two header rows over the columns, each pressed into the picture's width.
void CinsResmi::başlıklarıYaz(QPainter& ressam) const {
    ressam.fillRect(QRect(0, 0, genişlik, cinsÜstPayı), Qt::white);
    ressam.setPen(Qt::black);
    QFont yazı = ressam.font();
    yazı.setPixelSize(11);
    yazı.setBold(false);
    ressam.setFont(yazı);
    const QFontMetricsF ölçü(yazı);
    int satır = 0;
    for (const char* başlık : {seyirBaşlığı, dereceBaşlığı}) {
        const QString metin = qtMetin(başlık);
        const double sığdır = std::min(1.0, genişlik / ölçü.horizontalAdvance(metin));
        ressam.save();
        ressam.translate(0, 15 + 16 * satır++);
        ressam.scale(sığdır, 1);
        ressam.drawText(QPointF(0, 0), metin);
        ressam.restore();
    }
}

void CinsResmi::CinsCiz(QPainter& ressam) const {
    if (!cins_) return;
    ressam.setRenderHint(QPainter::Antialiasing);
    QPointF önceki;
    for (int i = 0; i < sütunSayısı; ++i) {
        const QPointF nokta(cinsSütunX(i), cinsDeğerY(cins_->değerler[i]));
        if (i >= 1) {
            ressam.setPen(QPen(Qt::black, 1.5));
            ressam.drawLine(önceki, nokta);
        }
        ressam.setPen(QPen(Qt::blue, 2));
        ressam.drawEllipse(nokta, 4, 4);
        önceki = nokta;
    }
}

// `PicCins_MouseDown`.
void CinsResmi::mousePressEvent(QMouseEvent* olay) {
    if (!cins_) return;
    const QPointF p = birimde(olay->position());
    if (cinsTıkla(*cins_, static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())))) update();
}

// `PicCins_MouseMove`.
void CinsResmi::mouseMoveEvent(QMouseEvent* olay) {
    const QPointF p = birimde(olay->position());
    if (imleç) imleç(static_cast<int>(std::lround(p.x())), p.y());
}

}  // namespace selvika
