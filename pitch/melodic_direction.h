#pragma once

#include <optional>

#include "core/header.h"
#include "core/line.h"

namespace selvika {

// The melodic direction of a note: rising, level or falling.
enum class Seyir { iniş = -1, düz = 0, çıkış = 1 };

// A note's direction from the koma positions of its neighbours it may be
// compared with (a larger position is lower). With only the next note it
// says where the melody goes; with only the previous, how the note was
// reached. Between two, a note reached from below rises unless the melody
// falls on, one reached from above falls unless it climbs again, and one
// level with the previous looks at the next.
Seyir seyirYönü(std::optional<int> önceki, int bu, std::optional<int> sonraki);

// The direction of every note of the line, indexed like its elements
// (non-notes read level). A note that opens the line, follows an element
// without pitch or opens a beam group is not compared with the previous
// element; one that closes the line, precedes an element without pitch or
// closes a beam group not with the next. The positions come from the
// notes as they are written, not from the stored `sesindeks`.
FixedArray<Seyir, 0, sonElemanYuvası> satırSeyri(const Satır& satır, const KullanıcıDonanımı& kullanıcıDonanımı);

}  // namespace selvika
