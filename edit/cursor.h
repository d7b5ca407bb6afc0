#pragma once

#include "core/line.h"

namespace selvika {

// The cursor of the line being edited is the element whose `imleç` is 1:
// the redraw marks it, and the buffer carries it through undo and redo.
int imleç(const Satır& satır);  // 0 when nothing is selected
void imleçKoy(Satır& satır, int j);

// Grouping and slurs take kind 30 as a note too; triplets and keys do not.
constexpr bool gurupNotası(const Eleman& e) { return e.tür >= 1 && e.tür <= 30; }

// The stem letter a note gets at its staff position.
inline constexpr char sapPes = 'p', sapDik = 'd';
constexpr char sapHarfi(int konum) { return konum <= 14 ? sapPes : sapDik; }
char sapHarfi(const Eleman& e);
void sapHarfiKoy(Eleman& e, char harf);

// The width of a note for its stem letter and value. A "d" note with a flag
// is wider; a "p" note's flag hangs under its head, so it keeps the head's
// width, and a sixty-fourth is as wide as the other flagged notes.
Byte notaGenişliği(char sapYönü, Byte süre);

}  // namespace selvika
