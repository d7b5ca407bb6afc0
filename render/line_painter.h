#pragma once

#include "core/header.h"
#include "core/interaction.h"
#include "core/line.h"
#include "render/line_layout.h"
#include "render/staff_geometry.h"

class QPainter;

namespace selvika {

class GlifKaynağı;

// What a line drawing reads besides the line.
struct ÇizimOrtamı {
    const GlifKaynağı& glifler;
    const EserBaşlık& başlık;
    Etkileşim& etkileşim;
    bool vektör = false;    // glyphs as font outlines instead of sheet copies
    bool kanallar = false;  // "Kanallar": each note's channel digit
    bool seyir = false;     // "Seyir": each note's melodic direction
    bool imleç = false;     // the editor marks the element at the cursor
    // The range the editor's range buttons act on, elements ilk..son; none
    // while ilk is 0.
    struct {
        int ilk = 0, son = 0;
    } seçim;
};

// The line picture: 1020 × 180 at 10 pixels between staff lines.
inline constexpr int çizimGenişliği = 1020;
inline constexpr int çizimYüksekliği = 180;

// `elemyaz2`: lays the line out (`adresle4`) and draws all of it, staff,
// elements and the marks that span them, on a white surface at the scale
// `ö` (the picture is çizimGenişliği × çizimYüksekliği times
// ö.satırAralığı / 10).
void elemyaz2(QPainter& ressam, Satır& satır, const PorteÖlçeği& ö, const ÇizimOrtamı& ortam);

// The widths the layout needs, measured as the drawing draws them.
ElemanÖlçümü elemanÖlçümü(const EserBaşlık& başlık);

}  // namespace selvika
