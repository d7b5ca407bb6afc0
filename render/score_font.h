#pragma once

#include <QFont>

#include "core/fixed_text.h"

namespace selvika {

// A face the score names, as Qt is to draw it: the face itself where the
// system has it, else its stand-in of the same metrics, so that a score
// looks the same wherever it is opened.
QFont yüzYazıTipi(const Text<40>& yüz);

}  // namespace selvika
