#include "render/engraved_page_layout.h"

#include <algorithm>

namespace selvika {
namespace {

// The white between the left and the right titles, and under the block.
constexpr double başlıkAralığı = 18;

double sığdır(double en, double oda) { return en > oda ? oda / en : 1.0; }

// Titles ilk..ilk+2 one under the other from y, each at x(width) within
// `oda`; returns the y under the last one written.
double sütun(std::array<YazıYeri, 10>& yerler, const std::array<Boyut, 10>& ölçüler, int ilk, double y,
             double oda, auto&& x) {
    for (int t = ilk; t < ilk + 3; ++t) {
        const Boyut& b = ölçüler[t];
        if (b.en <= 0) continue;
        const double ölçek = sığdır(b.en, oda);
        yerler[t] = {{x(b.en * ölçek), y, b.en * ölçek, b.boy * ölçek}, ölçek};
        y += b.boy * ölçek;
    }
    return y;
}

// The flow down the pages: `y` the next free height of page `sayfa`.
struct Akış {
    const SayfaÇerçevesi& ç;
    const DüzenAralıkları& aralıklar;
    BaskıDüzeni düzen;
    double y;
    bool boş = true;  // nothing placed on this page yet

    double taban() const { return ç.alt() - (düzen.sayfaSayısı > 1 ? aralıklar.sayfaNumarası : 0); }

    // Room for `boy` more, on a new page when this one is full.
    double yer(double boy) {
        if (!boş && y + boy > taban()) {
            ++düzen.sayfaSayısı;
            y = ç.kenar;
        }
        boş = false;
        const double üst = y;
        y += boy;
        return üst;
    }
};

// A page followed by another is filled to its foot: the white it leaves
// goes between its systems, at most a few gaps' worth each, so that a
// nearly empty page does not fall apart.
void sayfalarıDoldur(BaskıDüzeni& d, const std::vector<SistemÖlçüsü>& sistemler, const DüzenAralıkları& aralıklar,
                     const SayfaÇerçevesi& ç) {
    const int son = d.sistemler.empty() ? 0 : d.sistemler.back().sayfa;
    for (int sayfa = 1; sayfa < son; ++sayfa) {
        std::vector<std::size_t> sayfadakiler;
        for (std::size_t i = 0; i < d.sistemler.size(); ++i)
            if (d.sistemler[i].sayfa == sayfa) sayfadakiler.push_back(i);
        if (sayfadakiler.size() < 2) continue;
        const std::size_t alttaki = sayfadakiler.back();
        const double taban = ç.alt() - (sayfa > 1 ? aralıklar.sayfaNumarası : 0);
        const double boş = taban - (d.sistemler[alttaki].y + sistemler[alttaki].alt);
        const double ek = std::min(boş / double(sayfadakiler.size() - 1), 3 * aralıklar.sistem);
        for (std::size_t k = 1; k < sayfadakiler.size(); ++k) d.sistemler[sayfadakiler[k]].y += ek * double(k);
    }
}

}  // namespace

BaşlıkBloğu başlıkBloğu(const std::array<Boyut, 10>& ölçüler, const SayfaÇerçevesi& ç) {
    BaşlıkBloğu blok{};
    const double orta = ç.genişlik / 2, yarım = (ç.yazıEni() - başlıkAralığı) / 2;
    const double y = sütun(blok.yerler, ölçüler, 1, ç.kenar, ç.yazıEni(), [&](double en) { return orta - en / 2; });
    const double sol = sütun(blok.yerler, ölçüler, 4, y, yarım, [&](double) { return ç.kenar; });
    const double sağ = sütun(blok.yerler, ölçüler, 7, y, yarım, [&](double en) { return ç.sağ() - en; });
    const double alt = std::max(sol, sağ);
    blok.alt = alt > ç.kenar ? alt + başlıkAralığı : ç.kenar;
    return blok;
}

BaskıDüzeni baskıDüzeni(const std::vector<SistemÖlçüsü>& sistemler, const std::vector<BlokÖlçüsü>& bloklar,
                        double başlıkAltı, const DüzenAralıkları& aralıklar, const SayfaÇerçevesi& ç) {
    Akış akış{ç, aralıklar, {}, başlıkAltı};
    for (const SistemÖlçüsü& s : sistemler) {
        const double üst = akış.yer(s.alt - s.üst);
        akış.düzen.sistemler.push_back({s.satır, akış.düzen.sayfaSayısı, üst - s.üst});
        akış.y += aralıklar.sistem;
    }
    sayfalarıDoldur(akış.düzen, sistemler, aralıklar, ç);
    const double sütunEni = (ç.yazıEni() - aralıklar.blok) / 2;
    const bool sütunlu = bloklar.size() > 1 && std::ranges::all_of(bloklar, [&](const BlokÖlçüsü& b) {
                             return b.en <= sütunEni;
                         });
    akış.y += aralıklar.blok - aralıklar.sistem;
    for (std::size_t i = 0; i < bloklar.size(); i += sütunlu ? 2 : 1) {
        const std::size_t son = std::min(bloklar.size(), i + (sütunlu ? 2 : 1));
        double boy = 0;
        for (std::size_t j = i; j < son; ++j) boy = std::max(boy, sütunlu ? bloklar[j].boy : bloklar[j].tamBoy);
        const double y = akış.yer(boy);
        for (std::size_t j = i; j < son; ++j) {
            const double x = ç.kenar + double(j - i) * (sütunEni + aralıklar.blok);
            akış.düzen.bloklar.push_back({bloklar[j].blok, akış.düzen.sayfaSayısı,
                                          {x, y, sütunlu ? sütunEni : ç.yazıEni(), boy}});
        }
        akış.y += aralıklar.blok;
    }
    return akış.düzen;
}

std::optional<Dörtgen> sayfaNumarasıYeri(int sayfa, Boyut ölçü, const SayfaÇerçevesi& ç) {
    if (sayfa < 2) return std::nullopt;
    return Dörtgen{(ç.genişlik - ölçü.en) / 2, ç.alt() - ölçü.boy, ölçü.en, ölçü.boy};
}

}  // namespace selvika
