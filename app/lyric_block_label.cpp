#include "app/lyric_block_label.h"

#include "app/qt_paths.h"
#include "lyrics/lyric_blocks.h"

namespace selvika {
namespace {

constexpr int boşBoyu = 18;

QRect boşsaBüyüt(QRect alan) {
    if (alan.isEmpty()) alan.setSize({boşBoyu, boşBoyu});
    return alan;
}

}  // namespace

GüfteEtiketi::GüfteEtiketi(int n, QRect alan, QWidget* üst)
    : SayfaEtiketi(boşsaBüyüt(alan), Qt::Horizontal | Qt::Vertical, üst) {
    setObjectName(QStringLiteral("GüfteEtiketi%1").arg(n));
    setToolTip(qtMetin(güfteBaşlığı(n)));
    if (alan.isEmpty()) {
        setText(QString::number(n));
        setAlignment(Qt::AlignCenter);
    }
}

}  // namespace selvika
