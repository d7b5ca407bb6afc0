#pragma once

#include <QStringList>

#include "core/font_check.h"

namespace selvika {

// The faces the system offers; a score's face that the system lacks and has
// no stand-in for is replaced by the system's general face.
class QtYazıTipleri : public YazıTipiSorgusu {
public:
    QtYazıTipleri();
    bool var(const std::string& yüz) const override;
    std::string yerineGeçen() const override;

private:
    QStringList aileler_;
};

}  // namespace selvika
