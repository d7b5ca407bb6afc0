#pragma once

#include "core/element.h"

namespace selvika {

// The quick corrections ("Hızlı düzeltmeler") of the selected element. Each
// returns whether it changed the element; a refused step changes nothing.

// Index 0: one degree, 1: one koma, 2: the microtone shift.
bool düzelt_dahatiz(Eleman& e, int indeks);
bool düzelt_dahapest(Eleman& e, int indeks);

// Halve or double the note value, flip the stem; never inside a beam group.
bool düzelt_hızlı(Eleman& e);
bool düzelt_yavaş(Eleman& e);
bool düzelt_çevir(Eleman& e);

}  // namespace selvika
