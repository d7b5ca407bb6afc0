#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/score.h"
#include "tests/support/random_fill.h"

namespace selvika::test {

// A short şarkı-like score: notes, rests, bar lines, a key signature and an
// usul numeral on five lines, Turkish lyrics, expressions in several slots.
EserPtr örnekEser();

// A score whose every stored field, reserved ones included, holds a value
// drawn from `tohum`; lines have 0..61 elements and every expression mask.
EserPtr herAlanıDoluEser(unsigned tohum);

// A folder of its own under the system's temporary folder, removed at the end.
class GeçiciKlasör {
public:
    GeçiciKlasör();
    ~GeçiciKlasör();
    GeçiciKlasör(const GeçiciKlasör&) = delete;
    GeçiciKlasör& operator=(const GeçiciKlasör&) = delete;
    std::filesystem::path operator/(const std::string& ad) const { return yol_ / ad; }
    const std::filesystem::path& yol() const { return yol_; }

private:
    std::filesystem::path yol_;
};

// Runs `iş` in a child process that the permission bits bind: as root, as
// the user nobody; its answer comes back.
bool başkaKullanıcıOlarak(const std::function<bool()>& iş);

std::vector<std::uint8_t> dosyaBaytları(const std::filesystem::path& yol);
void dosyaYaz(const std::filesystem::path& yol, const std::vector<std::uint8_t>& baytlar);

}  // namespace selvika::test
