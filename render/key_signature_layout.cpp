#include "render/key_signature_layout.h"

namespace selvika {
namespace {

constexpr double birim = 10.0;
constexpr double boşluk = 0.2 * birim;

// The ink width of each signature glyph in staff spaces, from the font's
// glyph boxes; 0 for a value drawn without one.
double glifEni(int değer) {
    switch (donanımGlifi(değer)) {
        case 'r': case 'w': return 1.148;  // büyük mücenneb and bakiye flats
        case 'e': case 'q': return 0.904;  // küçük mücenneb and koma flats
        case 'a': return 0.916;
        case 's': return 0.996;
        case '{': case '|': return 1.364;  // the widest: the mücenneb sharps
        case 'z': return 0.672;
        default: return 0;
    }
}

}  // namespace

DonanımDizilişi donanımDizilişi(std::span<const DonanımArızası> arızalar) {
    DonanımDizilişi d;
    double x = 0;
    for (const DonanımArızası& a : arızalar) {
        d.xler.push_back(x);
        const double en = glifEni(a.değer) * birim;
        if (en == 0) continue;
        d.genişlik = x + en;
        x += en + boşluk;
    }
    return d;
}

}  // namespace selvika
