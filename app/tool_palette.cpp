#include "app/tool_palette.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <array>

#include "app/key_input.h"
#include "app/qt_paths.h"

namespace selvika {

namespace {

inline constexpr int kenar = 28;

struct Hücre {
    Tuş tuş;
    const char* ipucu;
    void (*çiz)(QPainter&, QRect);
};

void yazı(QPainter& p, QRect r, const char* metin) { p.drawText(r, Qt::AlignCenter, qtMetin(metin)); }

// Small drawings of the marks, in a cell of `kenar` pixels.
constexpr std::array<Hücre, 8> hücreler{{
    {Tuş::rakam1, "Triole (1)", [](QPainter& p, QRect r) {
         p.drawArc(r.adjusted(4, 6, -4, 6), 0, 180 * 16);
         yazı(p, r.adjusted(0, 4, 0, 4), "3");
     }},
    {Tuş::C, "Sap çevir (C)", [](QPainter& p, QRect r) {
         p.drawEllipse(QRect(r.left() + 6, r.center().y() - 3, 8, 6));
         p.drawLine(r.left() + 14, r.center().y(), r.left() + 14, r.top() + 4);
         p.drawLine(r.left() + 6, r.center().y(), r.left() + 6, r.bottom() - 4);
     }},
    {Tuş::G, "Gurup iptal (G)", [](QPainter& p, QRect r) {
         p.drawLine(r.left() + 6, r.top() + 8, r.right() - 6, r.top() + 8);
         p.drawLine(r.left() + 6, r.bottom() - 6, r.right() - 6, r.top() + 6);
     }},
    {Tuş::A, "Arşe (A)", [](QPainter& p, QRect r) {
         p.drawRect(QRect(r.left() + 8, r.top() + 8, r.width() - 16, r.height() - 16));
     }},
    {Tuş::M, "Mızrap (M)", [](QPainter& p, QRect r) {
         p.drawLine(r.left() + 8, r.top() + 8, r.center().x(), r.bottom() - 8);
         p.drawLine(r.center().x(), r.bottom() - 8, r.right() - 8, r.top() + 8);
     }},
    {Tuş::T, "Tremolo (T)", [](QPainter& p, QRect r) {
         for (int i = 0; i < 3; ++i) p.drawLine(r.left() + 8, r.top() + 12 + 5 * i, r.right() - 8, r.top() + 8 + 5 * i);
     }},
    {Tuş::Y, "Yarım liezon (Y)", [](QPainter& p, QRect r) {
         p.drawArc(QRect(r.left() + 4, r.top() + 8, r.width(), 14), 90 * 16, 90 * 16);
     }},
    {Tuş::F2, "Liezon (F2)", [](QPainter& p, QRect r) { p.drawArc(r.adjusted(4, 8, -4, 4), 0, 180 * 16); }},
}};

QRect hücreAlanı(std::size_t i) { return {static_cast<int>(i) * kenar, 0, kenar, kenar}; }

}  // namespace

Picture4::Picture4(TuşGirişi& tuşlar, QWidget* üst) : QWidget(üst), tuşlar_(tuşlar) {
    setObjectName("Picture4");
    setFixedSize(sizeHint());
}

QSize Picture4::sizeHint() const { return {static_cast<int>(hücreler.size()) * kenar + 1, kenar + 1}; }

int Picture4::hücre(QPoint nokta) const {
    const int i = nokta.x() / kenar;
    return nokta.y() >= 0 && nokta.y() < kenar && i >= 0 && i < static_cast<int>(hücreler.size()) ? i : -1;
}

void Picture4::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    for (std::size_t i = 0; i < hücreler.size(); ++i) {
        p.setPen(Qt::gray);
        p.drawRect(hücreAlanı(i));
        p.setPen(Qt::black);
        hücreler[i].çiz(p, hücreAlanı(i));
    }
}

void Picture4::mousePressEvent(QMouseEvent* olay) {
    const int i = hücre(olay->position().toPoint());
    if (i < 0) return;
    tuşlar_.bas({hücreler[static_cast<std::size_t>(i)].tuş});
}

bool Picture4::event(QEvent* olay) {
    if (olay->type() != QEvent::ToolTip) return QWidget::event(olay);
    auto* yardım = static_cast<QHelpEvent*>(olay);
    const int i = hücre(yardım->pos());
    if (i < 0)
        QToolTip::hideText();
    else
        QToolTip::showText(yardım->globalPos(), qtMetin(hücreler[static_cast<std::size_t>(i)].ipucu), this);
    return true;
}

}  // namespace selvika
