#pragma once

#include "core/fixed_array.h"
#include "core/fixed_text.h"
#include "core/widths.h"

namespace selvika {

// Kinds of element (`tür`) that code names; 1..29 are notes at that staff
// position, the bar lines and other signs are coded as characters.
namespace tür {
inline constexpr Byte sonNota = 29;
inline constexpr Byte sus = 31;
inline constexpr Byte boşluk = 36;
inline constexpr Byte donanım = 40;
inline constexpr Byte usul = 42;
}  // namespace tür

// Span marks of slurs, hairpins, voltas and lines.
namespace yayDurumu {
inline constexpr Byte yok = 0, başlangıç = 1, iç = 2, bitiş = 3;
}

struct ArızaBloğu {
    Integer arıza = 0;
    Integer ayrılmış = 0;
    Integer mikroton = 0;
    Integer arızaAyarı = 0;
    Boolean parantezli;
    Boolean bekarlı;

    static constexpr void fields(auto& r, auto&& f) {
        f(r.arıza, r.ayrılmış, r.mikroton, r.arızaAyarı, r.parantezli, r.bekarlı);
    }
    constexpr bool operator==(const ArızaBloğu&) const = default;
};

struct KonumBloğu {
    Integer x = 0;
    Integer xKayma = 0;

    static constexpr void fields(auto& r, auto&& f) { f(r.x, r.xKayma); }
    constexpr bool operator==(const KonumBloğu&) const = default;
};

struct GurupBloğu {
    Byte gurupYeri = 0;
    Byte ayrılmış = 0;
    Integer gurupAyarı = 0;
    Byte kiriş = 0;

    static constexpr void fields(auto& r, auto&& f) { f(r.gurupYeri, r.ayrılmış, r.gurupAyarı, r.kiriş); }
    constexpr bool operator==(const GurupBloğu&) const = default;
};

// One slur layer (`Katman`); the syllable range mark has the same shape.
struct YaySlotu {
    Byte durum = 0;
    Long yayUç = 0;
    Integer yayYükseklik = 0;

    static constexpr void fields(auto& r, auto&& f) { f(r.durum, r.yayUç, r.yayYükseklik); }
    constexpr bool operator==(const YaySlotu&) const = default;
};

struct KresendoBloğu {
    Byte kresendo = 0;
    Byte ikinci = 0;
    Integer değer = 0;

    static constexpr void fields(auto& r, auto&& f) { f(r.kresendo, r.ikinci, r.değer); }
    constexpr bool operator==(const KresendoBloğu&) const = default;
};

struct DolapBloğu {
    Byte dolap = 0;
    std::array<Single, 4> geometri{};
    Text<1> etiket = Text<1>::filled('\0');  // an empty slot is all zero

    static constexpr void fields(auto& r, auto&& f) { f(r.dolap, r.geometri, r.etiket); }
    constexpr bool operator==(const DolapBloğu&) const = default;
};

// A line that starts at an element: the instrument-passage line (`saz`) and
// the syllable extension line (`heceÇizgi`) share this shape.
struct ÇizgiBloğu {
    Byte durum = 0;
    Byte ikinci = 0;

    static constexpr void fields(auto& r, auto&& f) { f(r.durum, r.ikinci); }
    constexpr bool operator==(const ÇizgiBloğu&) const = default;
};

struct TakıSlotu {
    Integer değer = 0;
    Byte bayt = 0;

    static constexpr void fields(auto& r, auto&& f) { f(r.değer, r.bayt); }
    constexpr bool operator==(const TakıSlotu&) const = default;
};

struct TrioleBloğu {
    Byte trioleYeri = 0;
    Byte ikinci = 0;
    Integer trioleDeğeri = 0;  // cleared with trioleYeri when a triplet is cancelled
    Integer üçüncü = 0;
    Long dördüncü = 0;
    Integer parantezYüksekliği = 0;  // the bracket's curve values

    static constexpr void fields(auto& r, auto&& f) {
        f(r.trioleYeri, r.ikinci, r.trioleDeğeri, r.üçüncü, r.dördüncü, r.parantezYüksekliği);
    }
    constexpr bool operator==(const TrioleBloğu&) const = default;
};

// One symbol of a line: a note, a rest, a bar line, a key signature, an usul
// numeral or an empty placeholder. 136 bytes in files.
struct Eleman {
    // identity and placement
    Byte tür = 0;
    Byte genişlik = 0;
    Byte süre = 0;
    ArızaBloğu arıza;
    KonumBloğu konum;
    Text<1> sapYönü = Text<1>::filled('\0');  // an empty slot is all zero
    Byte usulNo = 0;
    Byte kanal = 0;
    Integer ayrılmış1 = 0;
    Byte ayrılmış2 = 0;
    Byte ayrılmış3 = 0;

    // spanning marks
    GurupBloğu gurup;
    FixedArray<YaySlotu, 1, 4> yay;
    KresendoBloğu kresendo;
    DolapBloğu dolap;
    ÇizgiBloğu saz;
    ÇizgiBloğu heceÇizgi;

    // editor state, attached notes, triplets, sound
    Byte imleç = 0;
    Byte nokta = 0;
    Integer uzatma1 = 0;
    Integer uzatma2 = 0;
    Byte takıBaytı = 0;
    TakıSlotu takı1;
    TakıSlotu takı2;
    Integer takı3 = 0;
    Byte hece = 0;  // takes the next syllable of every verse row
    Integer heceAyarı = 0;
    Integer takıKonumu = 0;
    std::array<Integer, 2> takıKonumBloğu{};
    Byte boyut = 0;
    TrioleBloğu triole;
    Byte ayrılmış4 = 0;
    std::array<Integer, 2> ayrılmış5{};
    YaySlotu heceAralığı;  // its state byte is the syllable range mark
    Byte sesindeks = 0;
    Byte süreBirim = 0;

    constexpr bool nota() const { return tür >= 1 && tür < 30; }

    static constexpr void fields(auto& r, auto&& f) {
        f(r.tür, r.genişlik, r.süre, r.arıza, r.konum, r.sapYönü, r.usulNo, r.kanal, r.ayrılmış1,
          r.ayrılmış2, r.ayrılmış3, r.gurup, r.yay, r.kresendo, r.dolap, r.saz, r.heceÇizgi, r.imleç,
          r.nokta, r.uzatma1, r.uzatma2, r.takıBaytı, r.takı1, r.takı2, r.takı3, r.hece, r.heceAyarı,
          r.takıKonumu, r.takıKonumBloğu, r.boyut, r.triole, r.ayrılmış4, r.ayrılmış5, r.heceAralığı,
          r.sesindeks, r.süreBirim);
    }
    constexpr bool operator==(const Eleman&) const = default;
};

}  // namespace selvika
