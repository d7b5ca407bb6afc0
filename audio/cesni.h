#pragma once

#include <array>
#include <optional>

#include "core/fixed_text.h"
#include "core/widths.h"
#include "pitch/melodic_direction.h"

namespace selvika {

// A cins: the degrees of a tetrachord or pentachord in thirds of a koma
// above its tonic (durak), rising from the durak to the fourth degree,
// falling back from the third to the durak, then the leading tone (yeden).
struct Cins {
    Text<16> ad;
    std::array<Integer, 10> değerler{};

    static constexpr void fields(auto& r, auto&& f) { f(r.ad, r.değerler); }
    constexpr bool operator==(const Cins&) const = default;
};

inline constexpr int cinsSayısı = 50;
using CinsKütüphanesi = std::array<Cins, cinsSayısı>;

// The library a fresh installation starts with: "Uşşak", "Hicaz", then
// "02" .. "49" all alike.
CinsKütüphanesi varsayılanCinsler();

// A pitch as the performance plays it: koma position and microtone shift.
struct Ses {
    int koma = 0;
    int kayma = 0;
    constexpr bool operator==(const Ses&) const = default;
};

// A passage's çeşni: the perde index its cins starts on (0 for none) and
// the cins's number in the library.
struct Çeşni {
    int perde = 0;
    int cins = 0;
};

// The pitch of a note on staff position p moving in direction `seyir` once
// the çeşni has retuned it: the degrees from the yeden below the çeşni
// perde to four above it take the cins's values, the rest keep theirs.
// Nothing when the çeşni or the pitch it gives lies outside the tables.
std::optional<Ses> çeşniUygula(Ses ses, int p, Seyir seyir, Çeşni çeşni, const CinsKütüphanesi& cinsler);

}  // namespace selvika
