#pragma once

#include <QImage>
#include <vector>

#include "core/score.h"
#include "render/line_painter.h"

namespace selvika {

// `satır_hazırla`: draws line n at page scale on an off-screen canvas and
// shrinks it into its band of the strip (from y = (n − 1) × 120, 128 high),
// growing the strip when it is too short; then marks the first two pixels of
// the five shrunken staff lines.
void satır_hazırla(QImage& şerit, const Eser& eser, int satır, const ÇizimOrtamı& ortam);

// `sayfa_hazırla`: the whole strip at once, lines 1..L (L the last line
// holding elements, 6 for an empty score), L × 120 + 4 high.
QImage sayfa_hazırla(const Eser& eser, const ÇizimOrtamı& ortam);

// The strip as the page view builds it, so that a large score shows at once:
// blank to its full height at first, each band drawn when a view first shows
// it, the others one by one while nothing else waits. Each call takes the
// score as it is now, which may have been replaced in between.
class TembelŞerit {
public:
    // The blank strip of `sayfa_hazırla`'s height; no band drawn yet.
    void başla(const Eser& eser);
    // Draws the bands not drawn yet that meet rows üst..alt.
    void göster(int üst, int alt, const Eser& eser, const ÇizimOrtamı& ortam);
    // Draws the first band not drawn yet; false when none is left.
    bool sıradakiniÇiz(const Eser& eser, const ÇizimOrtamı& ortam);
    // `satır_hazırla` for line n now: a line that changed, or one still blank.
    void yenile(int n, const Eser& eser, const ÇizimOrtamı& ortam);
    const QImage& resim() const { return şerit_; }

private:
    QImage şerit_;
    std::vector<bool> bekliyor_;  // by line, from 1: its band is still blank
};

}  // namespace selvika
