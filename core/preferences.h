#pragma once

#include "core/header.h"

namespace selvika {

// The preferences record of `Tercih.dat` (256 bytes). Its ten values travel
// with every score in the header; so does the lyric placement, which the
// record keeps in the first of its reserved bytes.
struct TercihKaydı {
    GörünümSeçimleri görünümSeçimleri;
    GörünümAyarları ayarlar;
    Boolean trioleGörünümü;
    Boolean normalModaDön;
    Boolean ekÇizgileriGöster;
    Boolean uyarıSesleri;
    Byte güfteYeri = 0;
    std::array<Byte, 199> ayrılmış{};
    Text<42> ayrılmışMetin;

    static constexpr void fields(auto& r, auto&& f) {
        f(r.görünümSeçimleri, r.ayarlar, r.trioleGörünümü, r.normalModaDön, r.ekÇizgileriGöster,
          r.uyarıSesleri, r.güfteYeri, r.ayrılmış, r.ayrılmışMetin);
    }
    constexpr bool operator==(const TercihKaydı&) const = default;
};

// The values a score gets when there is no `Tercih.dat`.
constexpr TercihKaydı varsayılanTercihler() {
    TercihKaydı t;
    t.görünümSeçimleri = {.c = 0, .b = 1, .a = 0};
    t.ayarlar = {.liezonKalınlığı1 = 2, .liezonKalınlığı2 = 2, .fareİmleci = 1};
    t.trioleGörünümü = t.normalModaDön = t.ekÇizgileriGöster = t.uyarıSesleri = true;
    return t;
}

constexpr void tercihleriBaşlığaKoy(const TercihKaydı& t, EserBaşlık& b) {
    b.görünümSeçimleri = t.görünümSeçimleri;
    b.ayarlar = t.ayarlar;
    b.bayraklar.trioleGörünümü = t.trioleGörünümü;
    b.bayraklar.normalModaDön = t.normalModaDön;
    b.bayraklar.ekÇizgileriGöster = t.ekÇizgileriGöster;
    b.bayraklar.uyarıSesleri = t.uyarıSesleri;
    b.bayraklar.güfteYeri = t.güfteYeri;
}

constexpr TercihKaydı başlıktakiTercihler(const EserBaşlık& b) {
    TercihKaydı t;
    t.görünümSeçimleri = b.görünümSeçimleri;
    t.ayarlar = b.ayarlar;
    t.trioleGörünümü = b.bayraklar.trioleGörünümü;
    t.normalModaDön = b.bayraklar.normalModaDön;
    t.ekÇizgileriGöster = b.bayraklar.ekÇizgileriGöster;
    t.uyarıSesleri = b.bayraklar.uyarıSesleri;
    t.güfteYeri = b.bayraklar.güfteYeri;
    return t;
}

}  // namespace selvika
