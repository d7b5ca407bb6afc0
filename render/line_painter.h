#pragma once

#include <QPen>
#include <QPointF>

#include "core/header.h"
#include "core/interaction.h"
#include "core/line.h"
#include "render/drawing_preferences.h"
#include "render/engraved_spacing.h"
#include "render/line_layout.h"
#include "render/staff_geometry.h"

class QPainter;

namespace selvika {

class GlifKaynağı;
struct GravürKalınlıkları;

// What a line drawing reads besides the line.
struct ÇizimOrtamı {
    const GlifKaynağı& glifler;
    const EserBaşlık& başlık;
    Etkileşim& etkileşim;
    bool vektör = false;    // glyphs as font outlines instead of sheet copies
    bool kanallar = false;  // "Kanallar": each note's channel digit
    bool seyir = false;     // "Seyir": each note's melodic direction
    bool imleç = false;     // the editor marks the element at the cursor and an open line end
    // Engraved pages set each line by the engraving pass, its staff running
    // to this x (line units, 10 a staff space); 0 draws the stored positions
    // of the line editor's layout, as the page view composes them.
    double gravürSonu = 0;
    // The print layout sets a short line in the system of the line before
    // where the two fit at their springs' own lengths.
    bool kısaSatırlarBirleşir = false;
    // The range the editor's range buttons act on, elements ilk..son; none
    // while ilk is 0.
    struct {
        int ilk = 0, son = 0;
    } seçim{};
};

// The line picture: 1020 × 180 at 10 pixels between staff lines.
inline constexpr int çizimGenişliği = 1020;
inline constexpr int çizimYüksekliği = 180;

// `elemyaz2`: lays the line out (`adresle4`) and draws all of it, staff,
// elements and the marks that span them, on a white surface at the scale
// `ö` (the picture is çizimGenişliği × çizimYüksekliği times
// ö.satırAralığı / 10).
void elemyaz2(QPainter& ressam, Satır& satır, const PorteÖlçeği& ö, const ÇizimOrtamı& ortam);

// The systems an engraved line (ortam.gravürSonu set) is printed in: the
// line itself, or its parts up to bar lines when it is too full to be set
// on one staff without collisions, each with the expressions over its own
// elements.
std::vector<Sistem> gravürSistemleri(const Satır& satır, const ÇizimOrtamı& ortam);

// Whether an engraved line is set across the staff without pressing its
// notes closer than their duration springs' own lengths.
bool doğalBoyundaSığar(const Satır& satır, const ÇizimOrtamı& ortam);

// The widths the layout needs, measured as the drawing draws them.
ElemanÖlçümü elemanÖlçümü(const EserBaşlık& başlık);

// The pieces below draw in editor units (10 pixels a staff space) and serve
// the preferences dialog's pictures too, so that they show what the drawing
// draws.

// A slur as engraved: a crescent over the chord a..b, `orta` staff spaces
// thick in the middle and `uç` at the ends, bulging h1 over its first half
// and h2 over its second.
void yayÇiz(QPainter& ressam, QPointF a, QPointF b, double h1, double h2, bool yukarı, double orta, double uç);

// The pen of a line `kalınlık` staff spaces thick in one of the preference
// styles.
QPen çizgiKalemi(ÇizgiStili stil, double kalınlık);

// Ledger lines (line distances from the top staff line, as ekÇizgiler
// gives them) for a head `en` wide at x, on the editor's staff.
void ekÇizgileriÇiz(QPainter& ressam, const GravürKalınlıkları& k, double x, const std::vector<int>& çizgiler,
                    double en);

}  // namespace selvika
