#pragma once

#include <QMessageBox>
#include <QString>
#include <string_view>

#include "core/interaction.h"

namespace selvika {

// "eser data dosyaları|*.EVD||" becomes "eser data dosyaları (*.EVD)"; each
// description|patterns pair is one Qt filter, patterns split by ';'.
QString süzgeçQt(std::string_view süzgeç);

QMessageBox::StandardButtons düğmelerQt(Düğmeler düğmeler);

// The answer for the button pressed; a box closed without a button gives
// the answer of its escape (the "no" or "cancel" of the set).
Cevap cevapQt(Düğmeler düğmeler, QMessageBox::StandardButton basılan);

}  // namespace selvika
