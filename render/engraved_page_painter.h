#pragma once

#include "core/score.h"
#include "render/engraved_page_layout.h"
#include "render/line_painter.h"

class QPainter;

namespace selvika {

// How pages are composed: by the score's page records, line bands at each
// page's level and density with the titles where the user put them; or as
// the print layout engraves them.
enum class SayfaDüzeni { sayfaKayıtları, baskı };

// The print layout of a score: its title block, and where every system and
// lyric block goes.
struct BaskıSayfaları {
    BaşlıkBloğu başlık;
    BaskıDüzeni düzen;
    std::vector<Sistem> sistemler;  // what each system of düzen draws, in its order
};

// Measures the titles, the ink of every line that holds elements, and the
// lyric blocks, and lays them out on pages.
BaskıSayfaları baskıSayfaları(const Eser& eser, const ÇizimOrtamı& ortam);

// Page `sayfa` (1..düzen.sayfaSayısı) of the print layout on a white
// surface of the frame's size.
void baskıSayfasıÇiz(QPainter& ressam, const Eser& eser, const BaskıSayfaları& sayfalar, int sayfa,
                     const ÇizimOrtamı& ortam);

}  // namespace selvika
