#pragma once

#include "core/preferences.h"
#include "core/score.h"

namespace selvika {

inline constexpr Integer sayfaYüksekliği = 1123;  // an A4 page at 96 dots an inch

// The defaults of a new line (`satıratamaları`).
void satıratamaları(Satır& satır);

// The defaults of a new score's header (`eseratamaları`), then the preferences.
void eseratamaları(Eser& eser, const TercihKaydı& tercihler);

// The defaults of the line-play record, also given to a file whose record is
// not named "Satır".
Pasaj satırPasajıVarsayılanı();

// A new score: header defaults and the line defaults in every line.
EserPtr yeniEser(const TercihKaydı& tercihler);

}  // namespace selvika
