#pragma once

#include "audio/flat_notes.h"

namespace selvika {

// `SeyirYönüBul`: the melodic direction of every pitched record, by the rule
// of a line's notes (`seyirYönü`) over the whole table, so that the last
// note of a line looks on to the first of the next. A neighbour without
// pitch (a rest, a bar line) is not compared with, nor is the previous
// record at the start of a beam group or the next at its end.
void seyirYönüBul(Notalar& notalar);

}  // namespace selvika
