#pragma once

// The packed sizes the files depend on, checked when the program is built.

#include "core/glyph_table.h"
#include "core/header.h"
#include "core/line.h"
#include "core/line_index.h"
#include "core/packing.h"

namespace selvika {

static_assert(packedSizeOf<Eleman> == 136);
static_assert(packedSizeOf<SatırDizini> == 59);
static_assert(packedSizeOf<EserBaşlık> == 14489);
static_assert(packedSizeOf<Pasaj> == 64);
static_assert(packedSizeOf<Sayfa> == 140);
static_assert(packedSizeOf<BaşlıkYazısı> == 96);
static_assert(packedSizeOf<YazıTipi> == 46);
static_assert(packedSizeOf<GüfteBloğu> == 255);
static_assert(packedSizeOf<İfade> == 103);
static_assert(packedSizeOf<Satır> == 10644);  // one snapshot of the undo ring
static_assert(packedSizeOf<KarakterKaydı> == 18);
static_assert(packedSizeOf<KarakterTablosu> == karakterDosyasıBoyu);

}  // namespace selvika
