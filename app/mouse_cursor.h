#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

#include "core/preferences.h"

namespace selvika {

class SatırResmi;

// The mouse over the editing area Picture1 as the preferences want it: the
// cursor (the name of the degree under it, a round target or the arrow)
// and, above and below the staff, the ledger lines a note there would need.
// While a palette tool or the element clipboard waits to be placed the
// cursor says so.
class Fareİmleci : public QObject {
public:
    Fareİmleci(SatırResmi& resim, std::function<TercihKaydı()> tercihler);

    // After the preferences or the clipboard changed.
    void yenile();

    // Whether a click would place the palette's armed tool.
    std::function<bool()> paletAracıHazır;
    // Whether a click would paste the element clipboard.
    std::function<bool()> yapıştırılacak;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    SatırResmi& resim_;
    std::function<TercihKaydı()> tercihler_;
    std::optional<QPoint> fare_;  // over the area, or gone
};

}  // namespace selvika
