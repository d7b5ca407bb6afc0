#include "render/accidental_glyphs.h"

namespace selvika {

int arızaGlifi(int değer) {
    switch (değer) {
        case -8: case -7: return 'r';
        case -6: case -5: return 'e';
        case -4: return 'w';
        case -3: return '~';
        case -2: return '}';
        case -1: return 'q';
        case 1: return 'a';
        case 2: return 127;
        case 3: return 128;
        case 4: return 's';
        case 5: case 6: return '{';
        case 7: case 8: return '|';
        case 15: return 'z';
        default: return 0;
    }
}

double arızaGlifEni(int kod) {
    switch (kod) {
        case 'r': case 'w': return 1.148;  // büyük mücenneb and bakiye flats
        case 'e': case 'q': return 0.904;  // küçük mücenneb and koma flats
        case 'a': return 0.916;
        case 's': return 0.996;
        case '{': case '|': return 1.364;  // the mücenneb sharps
        case 'z': return 0.672;
        case '}': return 1.368;
        case '~': return 1.276;
        case 127: return 1.9;  // the widest: the two- and three-koma sharps
        case 128: return 1.828;
        case '[': case ']': return 0.564;
        default: return 0;
    }
}

}  // namespace selvika
