#pragma once

#include <QImage>
#include <functional>

#include "core/score.h"
#include "render/line_painter.h"

namespace selvika {

// `satır_hazırla`: draws line n at page scale on an off-screen canvas and
// shrinks it into its band of the strip (from y = (n − 1) × 120, 128 high),
// growing the strip when it is too short; then marks the first two pixels of
// the five shrunken staff lines.
void satır_hazırla(QImage& şerit, const Eser& eser, int satır, const ÇizimOrtamı& ortam);

// `sayfa_hazırla`: the whole strip, lines 1..L (L the last line holding
// elements, 6 for an empty score), L × 120 + 4 high. `ilerleme` hears each
// line as it is done; when it answers false the building stops and the
// bands after stay blank.
QImage sayfa_hazırla(const Eser& eser, const ÇizimOrtamı& ortam, const std::function<bool(int, int)>& ilerleme = {});

}  // namespace selvika
