#pragma once

#include "core/header.h"
#include "render/staff_geometry.h"
#include "render/syllables.h"

namespace selvika {

// The five line styles of the dolap, instrument-passage and syllable
// extension lines, in the order of the preferences' option buttons.
enum class ÇizgiStili : Byte { düz, kesik, noktalı, kesikNoktalı, kesikİkiNoktalı };
inline constexpr int çizgiStiliSayısı = 5;

// The score's preferences as the drawing of a line reads them.
struct ÇizimTercihleri {
    double liezonKatı;      // slurs and ties against their engraved thickness
    bool trioleParantezi;   // the curve over a triplet, or its number alone
    ÇizgiStili dolap, saz, heceDevam;
    HeceYeri güfteYeri;
};

// The slur thickness 1..3 as a multiple of the engraved one (2 draws it as
// engraved); values out of range count as the nearest.
double liezonKatı(Byte kalınlık);

// A display choice 0..4 as a line style; a larger one counts as solid.
ÇizgiStili çizgiStili(Byte seçim);

// The preferences of the score header for a drawing at scale `ö`: the
// editor's scale is the screen and takes the "ekranda" thickness, the page
// scale (pages, the strip, PDF and PNG export) takes "baskıda".
ÇizimTercihleri çizimTercihleri(const EserBaşlık& b, const PorteÖlçeği& ö);

}  // namespace selvika
