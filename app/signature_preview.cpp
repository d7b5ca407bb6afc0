#include "app/signature_preview.h"

#include <QPainter>
#include <span>

#include "app/palette.h"
#include "pitch/key_signatures.h"

namespace selvika {
namespace {

using enum Harf;
constexpr Harf bemolSırası[] = {si, mi, la, re, sol, do_, fa};
constexpr Harf diyezSırası[] = {fa, do_, sol, re, la, mi, si};

constexpr int satırAralığı = 10;
constexpr int porteÜstü = 40;
constexpr int ilkX = 30;
constexpr int adım = 25;

constexpr std::size_t yeri(Harf harf) { return static_cast<std::size_t>(harf); }

}  // namespace

DonanımÖnizlemesi::DonanımÖnizlemesi(const GlifSayfası& glifler, QWidget* üst) : QWidget(üst), glifler_(glifler) {
    setObjectName("DonanımÖnizlemesi");
    setFixedSize(ilkX + harfSayısı * adım + 20, porteÜstü * 2 + 4 * satırAralığı);
}

void DonanımÖnizlemesi::göster(const std::array<Integer, harfSayısı>& değerler) {
    değerler_ = değerler;
    update();
}

void DonanımÖnizlemesi::paintEvent(QPaintEvent*) {
    QPainter ressam(this);
    ressam.fillRect(rect(), Qt::white);
    ressam.setPen(Qt::black);
    for (int i = 0; i < 5; ++i)
        ressam.drawLine(10, porteÜstü + i * satırAralığı, width() - 10, porteÜstü + i * satırAralığı);
    int x = ilkX;
    auto çiz = [&](std::span<const Harf> harfler, int işaret) {
        for (Harf harf : harfler) {
            if (değerler_[yeri(harf)] * işaret <= 0) continue;
            ArzYaz(ressam, harf, x);
            x += adım;
        }
    };
    çiz(bemolSırası, -1);
    çiz(diyezSırası, +1);
}

// One accidental at its letter's height; a value without a glyph as digits.
void DonanımÖnizlemesi::ArzYaz(QPainter& ressam, Harf harf, int x) {
    const int değer = değerler_[yeri(harf)];
    const int y = porteÜstü + harfYüksekliği(harf) * satırAralığı / 2;
    if (glifler_.kökeÇiz(ressam, arızaGlifi(değer), QPointF(x, y))) return;
    ressam.drawText(QRect(x - 6, y - 8, 24, 16), Qt::AlignCenter,
                    (değer > 0 ? QStringLiteral("+") : QString()) + QString::number(değer));
}

}  // namespace selvika
