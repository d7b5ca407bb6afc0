#pragma once

#include <array>
#include <string>

#include "core/line.h"

namespace selvika {

// The texts of the four boxes `HeceKutusu`(1..4), verse 1 first.
using HeceKutuları = std::array<std::string, 4>;

// `HeceKutusu_Change`: a box holding only spaces becomes empty.
std::string HeceKutusu_Change(std::string metin);

// The line's verse rows for the boxes.
HeceKutuları heceKutularınıDoldur(const Satır& satır);

// "Manuel": the boxes, trimmed, become the verse rows; flags stay.
void But_hece_manuel(Satır& satır, const HeceKutuları& kutular);

// "Otomatik": stores like "Manuel", then chooses the syllable-bearing
// elements by the automatic rule.
void But_hece_otomatik(Satır& satır, const HeceKutuları& kutular);

// The automatic rule: notes take syllables, except the later notes of a
// slur, the later members of a triplet, instrument passages and "$"; a
// range mark 1 takes the flags of everything up to it away, a range mark 2
// is the last element to take one.
void heceleriOtomatikSeç(Satır& satır);

// Takes the syllable off element j, and with it its extension line.
void heceyiKaldır(Satır& satır, int j);

// `Mn_Heceler`: where an element's syllable label stands.
int heceEtiketiX(const Eleman& e);

}  // namespace selvika
