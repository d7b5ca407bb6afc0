#pragma once

#include "core/fixed_array.h"
#include "core/passage.h"
#include "core/text_records.h"

namespace selvika {

inline constexpr int sayfaSayısı = 20;
inline constexpr int satırSayısı = 126;

// A point on the page: the x, y pairs of titles and lyric blocks.
struct SayfaKonumu {
    Integer x = 0;
    Integer y = 0;

    static constexpr void fields(auto& r, auto&& f) { f(r.x, r.y); }
    constexpr bool operator==(const SayfaKonumu&) const = default;
};

struct Sayfa {
    Integer seviye = 0;  // y of the page's first line
    Byte ilkSatır = 0;
    BaşlıkYazısı başlık;
    std::array<Integer, 2> ayrılmış{};
    FixedArray<SayfaKonumu, 1, 9> başlıkKonumları;
    Byte yoğunluk = 0;  // distance between successive lines

    static constexpr void fields(auto& r, auto&& f) {
        f(r.seviye, r.ilkSatır, r.başlık, r.ayrılmış, r.başlıkKonumları, r.yoğunluk);
    }
    constexpr bool operator==(const Sayfa&) const = default;
};

struct GüfteBloğu {
    std::array<Integer, 2> ayrılmış{};
    Byte sayfa = 0;
    Text<250> metin;

    static constexpr void fields(auto& r, auto&& f) { f(r.ayrılmış, r.sayfa, r.metin); }
    constexpr bool operator==(const GüfteBloğu&) const = default;
};

// The score's user-defined key signature. Letters in the order sol, fa, mi,
// re, do, si, la.
struct KullanıcıDonanımı {
    Text<1> işaret;  // "*" once a signature has been saved
    std::array<Integer, 7> değerler{};
    std::array<Byte, 7> xKaymaları{};
    Byte genişlik = 0;

    static constexpr void fields(auto& r, auto&& f) { f(r.işaret, r.değerler, r.xKaymaları, r.genişlik); }
    constexpr bool operator==(const KullanıcıDonanımı&) const = default;
};

// The ten preference values as the score carries them, spread over three
// places of the header.
// The display choices are the line styles 0..4 (solid, dashed, dotted,
// dash-dot, dash-dot-dot) of three kinds of line.
struct GörünümSeçimleri {
    Byte c = 0, b = 0, a = 0;  // "Hece devam", "Saz payı", "Dolap" lines

    static constexpr void fields(auto& r, auto&& f) { f(r.c, r.b, r.a); }
    constexpr bool operator==(const GörünümSeçimleri&) const = default;
};

struct GörünümAyarları {
    Byte liezonKalınlığı1 = 0;  // on paper ("baskıda")
    Byte liezonKalınlığı2 = 0;  // on screen ("ekranda")
    Byte fareİmleci = 0;  // over the editing area: 0 degree names, 1 a round target, 2 the arrow

    static constexpr void fields(auto& r, auto&& f) { f(r.liezonKalınlığı1, r.liezonKalınlığı2, r.fareİmleci); }
    constexpr bool operator==(const GörünümAyarları&) const = default;
};

struct TercihBayrakları {
    Boolean trioleGörünümü;
    Boolean normalModaDön;
    Boolean ekÇizgileriGöster;
    Boolean uyarıSesleri;
    // "Notaya göre güftenin yeri", in the Byte that follows the four flags:
    // 0 syllables centred under their note heads, 1 starting at the head.
    Byte güfteYeri = 0;

    static constexpr void fields(auto& r, auto&& f) {
        f(r.trioleGörünümü, r.normalModaDön, r.ekÇizgileriGöster, r.uyarıSesleri, r.güfteYeri);
    }
    constexpr bool operator==(const TercihBayrakları&) const = default;
};

// A 2088-byte block whose only known part is the extra spacing after each
// line on its page; the rest is carried as it was read.
struct SatırAralıklarıBloğu {
    std::array<Byte, 554> önü{};
    FixedArray<Integer, 1, satırSayısı> satırAralıkları;
    std::array<Byte, 1282> sonu{};

    static constexpr void fields(auto& r, auto&& f) { f(r.önü, r.satırAralıkları, r.sonu); }
    constexpr bool operator==(const SatırAralıklarıBloğu&) const = default;
};

struct EserBaşlık {
    Text<16> eserAdı;
    Integer ayrılmış = 0;
    FixedArray<Pasaj, 1, 99> pasajlar;
    Byte pasajSayısı = 0;
    FixedArray<Sayfa, 1, sayfaSayısı> sayfalar;
    FixedArray<BaşlıkYazısı, 1, 9> başlıklar;
    FixedArray<GüfteBloğu, 1, 6> güfteBlokları;
    FixedArray<SayfaKonumu, 1, 6> güfteYerleri;
    KullanıcıDonanımı donanım;
    std::array<Byte, 8> ayrılmışBlok{};
    GörünümSeçimleri görünümSeçimleri;
    FixedArray<YazıTipi, 1, 7> yazıTipleri;
    Pasaj satırPasajı;
    FixedArray<PasajDeğeri, 1, 99> pasajDeğerleri;
    GörünümAyarları ayarlar;
    TercihBayrakları bayraklar;
    SatırAralıklarıBloğu aralıklar;

    static constexpr void fields(auto& r, auto&& f) {
        f(r.eserAdı, r.ayrılmış, r.pasajlar, r.pasajSayısı, r.sayfalar, r.başlıklar, r.güfteBlokları,
          r.güfteYerleri, r.donanım, r.ayrılmışBlok, r.görünümSeçimleri, r.yazıTipleri, r.satırPasajı,
          r.pasajDeğerleri, r.ayarlar, r.bayraklar, r.aralıklar);
    }
    constexpr bool operator==(const EserBaşlık&) const = default;
};

}  // namespace selvika
