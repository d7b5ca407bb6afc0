#pragma once

namespace selvika {

// The glyph sheet code of a note's accidental value; ±6 and ±7, which have
// none on the sheet, take the nearest one (the signature dialog's preview
// does the same); 0 for none.
int arızaGlifi(int değer);

// The ink width of an accidental glyph (by sheet code, parentheses
// included) in staff spaces, from the font's glyph boxes; 0 for another code.
double arızaGlifEni(int kod);

}  // namespace selvika
