#include "app/splash.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "core/score.h"
#include "core/startup.h"

namespace selvika {

frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("frmSplash");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* düzen = new QVBoxLayout(this);
    düzen->setContentsMargins(40, 30, 40, 30);
    auto* ürün = new QLabel(QString::fromUtf8(ürünAdı), this);
    QFont yazı = ürün->font();
    yazı.setPointSize(24);
    yazı.setBold(true);
    ürün->setFont(yazı);
    düzen->addWidget(ürün, 0, Qt::AlignCenter);
    düzen->addWidget(new QLabel(QString::fromUtf8("Sürüm: %1").arg(programSürümü), this), 0, Qt::AlignCenter);
    QPalette zemin = palette();
    zemin.setColor(QPalette::Window, Qt::white);
    setPalette(zemin);
    setAutoFillBackground(true);
    QTimer::singleShot(3000, this, &QWidget::close);
}

void frmSplash::keyPressEvent(QKeyEvent*) { close(); }

void frmSplash::mousePressEvent(QMouseEvent*) { close(); }

}  // namespace selvika
