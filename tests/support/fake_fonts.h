#pragma once

#include <set>
#include <string>

#include "core/font_check.h"

namespace selvika::test {

// A system that has only the faces it is given.
class SahteYazıTipleri : public YazıTipiSorgusu {
public:
    explicit SahteYazıTipleri(std::set<std::string> yüzler = {"DejaVu Sans"}) : yüzler_(std::move(yüzler)) {}
    bool var(const std::string& yüz) const override { return yüzler_.contains(yüz); }
    std::string yerineGeçen() const override { return "DejaVu Sans"; }

private:
    std::set<std::string> yüzler_;
};

}  // namespace selvika::test
