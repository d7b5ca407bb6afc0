#include "render/key_signature_layout.h"

#include "render/accidental_glyphs.h"

namespace selvika {
namespace {

constexpr double birim = 10.0;
constexpr double boşluk = 0.2 * birim;

}  // namespace

DonanımDizilişi donanımDizilişi(std::span<const DonanımArızası> arızalar) {
    DonanımDizilişi d;
    double x = 0;
    for (const DonanımArızası& a : arızalar) {
        d.xler.push_back(x);
        const double en = arızaGlifEni(donanımGlifi(a.değer)) * birim;
        if (en == 0) continue;
        d.genişlik = x + en;
        x += en + boşluk;
    }
    return d;
}

}  // namespace selvika
