#pragma once

#include "core/header.h"
#include "core/interaction.h"

namespace selvika {

// A passage has to be marked again when neither of its marks was found or
// its end now comes before its start.
bool pasajDeğişmiş(const Pasaj& p);

// Right after the marks are read: a passage that lost one mark shrinks to
// the other, and every passage of 1 to the count that has to be marked
// again is named, each with its message.
void pasajlarıDenetle(EserBaşlık& başlık, Etkileşim& etkileşim);

// A passage clicked in the list can be shown and played unless it has to be
// marked again, which the user is told.
bool pasajKullanılabilir(const Pasaj& p, Etkileşim& etkileşim);

}  // namespace selvika
