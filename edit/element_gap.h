#pragma once

#include <optional>

#include "core/line.h"

namespace selvika {

// Where a mouse x falls among the elements of a line: the gap after element
// `sonra` (0 = before the first element), or on an element.
struct FareYeri {
    int sonra = 0;
    bool elemanÜstünde = false;
};

int solKenar(const Eleman& e);
int sağKenar(const Eleman& e);

// The gap follows the last element whose right edge lies left of x.
FareYeri fareYeri(const Satır& satır, int x);

// True when the elements on both sides of the gap after `sonra` belong to
// one beam group / one triplet.
bool gurupİçinde(const Satır& satır, int sonra);
bool trioleİçinde(const Satır& satır, int sonra);

// The first / last element whose extent, widened by 8 units on each side,
// contains x; nothing when x is beside every element.
std::optional<int> ilkİçeren(const Satır& satır, int x);
std::optional<int> sonİçeren(const Satır& satır, int x);

// Opens a gap of n slots after element `sonra`: later elements and their
// passage marks shift right, the count grows by n, the gap is left empty.
void boşlukAç(Satır& satır, int sonra, int n);

// Removes elements ilk..son: later ones shift left, the count drops.
void elemanlarıSil(Satır& satır, int ilk, int son);

}  // namespace selvika
