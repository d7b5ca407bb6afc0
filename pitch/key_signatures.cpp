#include "pitch/key_signatures.h"

#include <algorithm>

namespace selvika {
namespace {

using enum Harf;

template <std::size_t N>
using Arızalar = std::array<DonanımArızası, N>;

constexpr Arızalar<1> siEksi5{{{si, -5}}}, siEksi1{{{si, -1}}}, faArtı5{{{fa, 5}}};
constexpr Arızalar<2> rast{{{si, -1}, {fa, 4}}}, siEksi1ReEksi4{{{si, -1}, {re, -4}}},
    siEksi4DoArtı4{{{si, -4}, {do_, 4}}}, doArtı4FaArtı4{{{do_, 4}, {fa, 4}}}, karcigar2{{{mi, -4}, {fa, 4}}},
    nihavend{{{si, -5}, {mi, -5}}}, nisabürek2{{{do_, 4}, {fa, 5}}}, şevkefza{{{si, -5}, {re, -4}}};
constexpr Arızalar<3> hicaz{{{si, -4}, {do_, 4}, {fa, 4}}}, hüzzam{{{si, -1}, {mi, -4}, {fa, 4}}},
    kürdilihicazkar{{{si, -5}, {mi, -5}, {la, -5}}}, nisabürek1{{{fa, 5}, {do_, 4}, {sol, 4}}},
    segah{{{si, -1}, {mi, -1}, {fa, 4}}}, suzidil{{{fa, 1}, {re, 4}, {sol, 4}}};
constexpr Arızalar<4> hicazkar{{{si, -1}, {mi, -4}, {la, -4}, {fa, 4}}},
    neveser{{{si, -4}, {mi, -4}, {do_, 4}, {fa, 4}}}, şehnaz{{{si, -4}, {do_, 4}, {fa, 1}, {sol, 4}}};
constexpr Arızalar<5> evcara{{{si, -1}, {fa, 4}, {do_, 4}, {la, 4}, {mi, 4}}};

constexpr std::span<const DonanımArızası> yok{};

const std::array<Makam, 42> liste = {{
    {"ACEMASIRAN", 18, siEksi5},
    {"ACEMKÜRDI", 15, siEksi5},
    {"BAYATI", 13, siEksi1},
    {"BAYATIARABAN", 37, hüzzam},
    {"BESTENIGAR", 31, siEksi1ReEksi4},
    {"DÜGAH", 38, siEksi1ReEksi4},
    {"EVC", 32, rast},
    {"EVCARA", 26, evcara},
    {"FERAHFEZA", 28, siEksi5},
    {"FERAHNAK", 33, doArtı4FaArtı4},
    {"HICAZ", 7, hicaz},
    {"HICAZKAR", 27, hicazkar},
    {"HÜMAYUN", 6, siEksi4DoArtı4},
    {"HÜSEYNI", 9, rast},
    {"HÜZZAM", 46, hüzzam},
    {"ISFAHAN", 39, siEksi1},
    {"KARCIGAR-1", 10, hüzzam},
    {"KARCIGAR-2", 48, karcigar2},
    {"KULLANICI TANIMLI", kullanıcıTanımlı, yok},
    {"KÜRDI", 5, siEksi5},
    {"KÜRDILIHICAZKAR", 23, kürdilihicazkar},
    {"MAHUR", 19, faArtı5},
    {"MUHAYYER", 17, rast},
    {"MUHAYYERKÜRDI", 16, siEksi5},
    {"NEVA", 11, rast},
    {"NEVESER", 34, neveser},
    {"NIHAVEND", 22, nihavend},
    {"NIKRIZ", 35, hicaz},
    {"NISABUREK-1", 20, nisabürek1},
    {"NISABUREK-2", 40, nisabürek2},
    {"RAST", 2, rast},
    {"SABA", 41, siEksi1ReEksi4},
    {"SEDARABAN", 24, neveser},
    {"SEGAH", 47, segah},
    {"SEHNAZ", 42, şehnaz},
    {"SEVKEFZA", 30, şevkefza},
    {"SULTANIYEGAH", 21, siEksi4DoArtı4},
    {"SUZIDIL", 25, suzidil},
    {"SUZINAK", 12, hüzzam},
    {"USSAK", 3, siEksi1},
    {"YEGAH", 29, rast},
    {"ZIRGÜLELI HICAZ", 8, şehnaz},
}};

// Degrees of the letter within `ilk`..`son`.
template <class F>
void harfinPerdeleri(Harf harf, int ilk, int son, F f) {
    for (int p = ilk; p <= son; ++p)
        if (harfi(p) == harf) f(p);
}

// Flats are laid out first, then sharps, each in its traditional order.
constexpr Harf bemolSırası[] = {si, mi, la, re, sol, do_, fa};
constexpr Harf diyezSırası[] = {fa, do_, sol, re, la, mi, si};

}  // namespace

std::span<const Makam> makamListesi() { return liste; }

std::span<const DonanımArızası> donanımArızaları(Byte kod) {
    auto makam = std::find_if(liste.begin(), liste.end(), [&](const Makam& m) { return m.kod == kod; });
    return makam == liste.end() ? yok : makam->arızalar;
}

void donanımıUygula(Byte kod, const KullanıcıDonanımı& kullanıcı, PerdeDurumu& durum) {
    if (kod == kullanıcıTanımlı) {
        for (int h = 0; h < harfSayısı; ++h)
            harfinPerdeleri(static_cast<Harf>(h), enTizPerde, enPestPerde,
                            [&](int p) { durum[static_cast<std::size_t>(p)] = kullanıcı.değerler[static_cast<std::size_t>(h)]; });
        return;
    }
    for (const DonanımArızası& a : donanımArızaları(kod))
        harfinPerdeleri(a.harf, 2, 25, [&](int p) { durum[static_cast<std::size_t>(p)] = a.değer; });
}

bool kullanıcıDonanımıVar(const KullanıcıDonanımı& kullanıcı) { return kullanıcı.işaret == Text<1>("*"); }

void kullanıcıDonanımınıKaydet(KullanıcıDonanımı& kullanıcı, const std::array<Integer, harfSayısı>& değerler) {
    kullanıcı.değerler = değerler;
    int konum = 0;
    auto yerleştir = [&](const Harf(&sıra)[harfSayısı], int işaret) {
        for (Harf harf : sıra) {
            auto h = static_cast<std::size_t>(harf);
            if (değerler[h] * işaret <= 0) continue;
            kullanıcı.xKaymaları[h] = static_cast<Byte>(konum);
            konum += 12;
        }
    };
    yerleştir(bemolSırası, -1);
    yerleştir(diyezSırası, +1);
    kullanıcı.genişlik = static_cast<Byte>(konum + 12);
    kullanıcı.işaret = Text<1>("*");
}

char donanımGlifi(int değer) {
    switch (değer) {
        case -8: return 'r';
        case -5: return 'e';
        case -4: return 'w';
        case -1: return 'q';
        case 1: return 'a';
        case 4: return 's';
        case 5: return '{';
        case 8: return '|';
        case bekar: return 'z';
        default: return 0;
    }
}

}  // namespace selvika
