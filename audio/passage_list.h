#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "audio/flat_notes.h"
#include "audio/passage_marks.h"
#include "core/header.h"
#include "core/interaction.h"

namespace selvika {

// The passage-name menu's item that asks for a name of the user's own.
inline constexpr int yeniİsimSırası = 27;

// A passage's settings before the user changes any.
Pasaj varsayılanPasaj(std::string_view ad);

// The name of a new passage: the chosen menu item's caption, or for the
// last item a name the user types; nothing when the user gives none.
std::optional<std::string> yeniPasajAdı(int sıra, std::string_view menüYazısı, Etkileşim& etkileşim);

// `Mn_Yeni_isim_Click`: appends a passage over the flat records `ilk` to
// `son`, the range the user marked; its number, or nothing when the range
// is not in the table or the table of passages is full.
std::optional<int> yeniPasaj(EserBaşlık& başlık, std::string_view ad, const Notalar& notalar, int ilk, int son);

// The commands of the passage list; `seçili` is the selected passage, 0 for
// none. Each passage's çeşni goes with it.
bool pasajSil(EserBaşlık& başlık, int seçili, Etkileşim& etkileşim);
std::optional<int> pasajKopyala(EserBaşlık& başlık, int seçili);
void pasajlarıTemizle(EserBaşlık& başlık);
// Moves the selected passage one place up (-1) or down (+1) the list; its
// new number, or nothing when it cannot move.
std::optional<int> pasajTaşı(EserBaşlık& başlık, int seçili, int yön, Etkileşim& etkileşim);

}  // namespace selvika
