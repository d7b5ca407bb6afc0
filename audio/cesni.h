#pragma once

#include <optional>

#include "analysis/cins_library.h"
#include "pitch/melodic_direction.h"

namespace selvika {

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
