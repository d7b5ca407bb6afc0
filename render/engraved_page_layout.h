#pragma once

// The frame of the engraved page, the print layout: a title block on the
// first page, the score's lines as systems flowing down the pages between
// symmetric margins, the lyric blocks after the last system and page numbers
// from the second page. Page pixels, A4 at 96 dots an inch; what is measured
// (texts, the ink of each system) comes in from the drawing.

#include <array>
#include <optional>
#include <vector>

#include "core/defaults.h"

namespace selvika {

struct Dörtgen {
    double x = 0, y = 0, en = 0, boy = 0;
    double sağ() const { return x + en; }
    double alt() const { return y + boy; }
};

struct SayfaÇerçevesi {
    double genişlik, yükseklik, kenar;
    double yazıEni() const { return genişlik - 2 * kenar; }
    double sağ() const { return genişlik - kenar; }
    double alt() const { return yükseklik - kenar; }
};

// A4 with 15 mm on every side, as printed scores leave.
inline constexpr SayfaÇerçevesi baskıÇerçevesi{794, sayfaYüksekliği, 15 * 96 / 25.4};

// A text of the frame as drawn: where it stands and by how much its font
// shrinks so that it fits its width (1: its own size).
struct YazıYeri {
    Dörtgen alan;
    double ölçek = 1;
};

struct Boyut {
    double en = 0, boy = 0;
};

// The title block under the top margin: titles 1..3 centred one under the
// other, then 4..6 down the left and 7..9 down the right side by side; a
// text wider than its room shrinks to fit it. `ölçüler` are the titles'
// sizes in their own fonts, 0 wide for a blank one (index 0 unused).
struct BaşlıkBloğu {
    std::array<YazıYeri, 10> yerler;
    double alt;  // where the music may start below it
};
BaşlıkBloğu başlıkBloğu(const std::array<Boyut, 10>& ölçüler, const SayfaÇerçevesi& ç);

// A system's ink, from the top to the bottom of what its line draws
// (staff, notes, curves, verse rows), measured from where the line's
// picture is put.
struct SistemÖlçüsü {
    int satır;
    double üst, alt;
};

// A lyric block's size: `en` the width of its widest line unbroken, `boy`
// its height so; `tamBoy` its height wrapped to the full text width.
struct BlokÖlçüsü {
    int blok;
    double en, boy, tamBoy;
};

struct SistemYeri {
    int satır, sayfa;
    double y;  // where the line's picture is put
};
struct BlokYeri {
    int blok, sayfa;
    Dörtgen alan;
};

struct BaskıDüzeni {
    int sayfaSayısı = 1;
    std::vector<SistemYeri> sistemler;
    std::vector<BlokYeri> bloklar;
};

// What the flow keeps between things, in page pixels.
struct DüzenAralıkları {
    double sistem;         // the white between one system's ink and the next
    double blok;           // before the lyric blocks, between their rows and columns
    double sayfaNumarası;  // kept free at the bottom of pages from the second on
};

// The systems one under the other from below the title block, a system that
// does not fit moving to a new page, a page that is followed by another
// spreading its systems down to its foot; then the lyric blocks, two in a row
// when each fits half the width, a row that does not fit going to a new
// page.
BaskıDüzeni baskıDüzeni(const std::vector<SistemÖlçüsü>& sistemler, const std::vector<BlokÖlçüsü>& bloklar,
                        double başlıkAltı, const DüzenAralıkları& aralıklar, const SayfaÇerçevesi& ç);

// The page number of page `sayfa` (`ölçü` its text's size), centred at the
// bottom margin; none on the first page.
std::optional<Dörtgen> sayfaNumarasıYeri(int sayfa, Boyut ölçü, const SayfaÇerçevesi& ç);

}  // namespace selvika
