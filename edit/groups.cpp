#include "edit/groups.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "edit/beams.h"
#include "edit/cursor.h"
#include "edit/spans.h"
#include "rhythm/durations.h"

namespace selvika {

namespace {

inline constexpr std::array<int, 4> trioleToplamları{24, 48, 96, 192};

// Keypad plus raises both ends of a beam one value; minus turns its slant
// within its level; the last code has no slant to turn.
inline constexpr std::array<Byte, 10> yükseltme{3, 4, 5, 6, 7, 8, 9, 1, 2, 0};
inline constexpr std::array<Byte, 10> eğim{2, 0, 1, 5, 3, 4, 8, 6, 7, 9};

bool kodDeğiştir(Byte& kiriş, const std::array<Byte, 10>& tablo) {
    if (kiriş >= tablo.size() || tablo[kiriş] == kiriş) return false;
    kiriş = tablo[kiriş];
    return true;
}

// The checks of the builder in order: the first that fails names itself.
std::string_view gurupEngeli(const Satır& s, int ilk, int son) {
    const auto& e = s.elemanlar;
    if (!gurupNotası(e[ilk])) return "gurubun ilk elemanı nota değil !";
    if (!gurupNotası(e[son])) return "gurubun son elemanı nota değil !";
    for (int j = ilk + 1; j < son; ++j)
        if (!gurupNotası(e[j])) return "arada nota olmayan eleman var !";
    if (e[ilk].gurup.gurupYeri != 0) return "gurubun ilk notası başka bir gurup altında  !";
    if (e[son].gurup.gurupYeri != 0) return "gurubun son notası başka bir gurup altında  !";
    for (int j = ilk + 1; j < son; ++j)
        if (e[j].gurup.gurupYeri != 0) return "arada başka gurup var !";
    const bool tekTriole = son == ilk + 2 && e[ilk].triole.trioleYeri == 1 && e[ilk + 1].triole.trioleYeri == 2 &&
                           e[son].triole.trioleYeri == 3;
    if (tekTriole) {
        const int toplam = e[ilk].süre + e[ilk + 1].süre + e[son].süre;
        if (std::find(trioleToplamları.begin(), trioleToplamları.end(), toplam) == trioleToplamları.end())
            return "Triole altındaki notaların süreleri eşit değil veya dörtlük notalar var!";
        for (int j = ilk; j <= son; ++j)
            if (e[j].nokta == 1) return "Triole altındaki notalarda uzatma noktası olamaz. !";
        return {};
    }
    for (int j = ilk; j <= son; ++j)
        if (e[j].triole.trioleYeri != 0) return "Önce notaları guruplayın, sonra triole tesis edin.!";
    return {};
}

// The stems of a group point the way the note of its average position
// would have them; the layout lengthens them from scratch.
void sapları(Satır& s, int ilk, int son) {
    int toplam = 0;
    for (int j = ilk; j <= son; ++j) toplam += s.elemanlar[j].tür;
    const char harf = sapHarfi(toplam / (son - ilk + 1));
    for (int j = ilk; j <= son; ++j) {
        sapHarfiKoy(s.elemanlar[j], harf);
        s.elemanlar[j].gurup.gurupAyarı = 0;
    }
}

char ters(char harf) { return harf == sapPes ? sapDik : sapPes; }
bool çevrilir(char harf) { return harf == sapPes || harf == sapDik; }

}  // namespace

bool gurupKur(Satır& satır, int ilk, int son, Etkileşim& etkileşim) {
    if (const std::string_view engel = gurupEngeli(satır, ilk, son); !engel.empty()) {
        etkileşim.ikazYaz(engel);
        return false;
    }
    for (int j = ilk; j <= son; ++j)
        satır.elemanlar[j].gurup.gurupYeri = j == ilk ? gurupYeri::ilk : j == son ? gurupYeri::son : gurupYeri::iç;
    sapları(satır, ilk, son);
    kirişAta(satır, ilk, son, etkileşim);
    return true;
}

GurupSınırı gurupSınırı(const Satır& satır, int j) {
    const auto& e = satır.elemanlar;
    GurupSınırı g{j, j};
    if (e[j].gurup.gurupYeri == 0) return g;
    while (g.ilk > 1 && e[g.ilk].gurup.gurupYeri != gurupYeri::ilk && e[g.ilk - 1].gurup.gurupYeri != 0) --g.ilk;
    while (g.son < satır.elemanSayısı && e[g.son].gurup.gurupYeri != gurupYeri::son &&
           e[g.son + 1].gurup.gurupYeri != 0)
        ++g.son;
    return g;
}

void gurup_çevir(Satır& satır, int j) {
    const GurupSınırı g = gurupSınırı(satır, j);
    const char harf = ters(sapHarfi(satır.elemanlar[g.ilk]));
    for (int i = g.ilk; i <= g.son; ++i) {
        sapHarfiKoy(satır.elemanlar[i], harf);
        satır.elemanlar[i].gurup.gurupAyarı = 0;
    }
    // Curves and hairpins hang on the stem side: flipped, they would cross it.
    for (int uç : {g.ilk, g.son}) {
        for (int k = 1; k <= 4; ++k) yayiptal(satır, uç, k);
        kresendoiptal(satır, uç);
    }
}

bool sapÇevir(Satır& satır, int j, Etkileşim& etkileşim) {
    Eleman& e = satır.elemanlar[j];
    const int bakılan = e.gurup.gurupYeri != 0 ? gurupSınırı(satır, j).ilk : j;
    if (!çevrilir(sapHarfi(satır.elemanlar[bakılan]))) {
        etkileşim.ikazYaz(çevrilemez);
        return false;
    }
    if (e.gurup.gurupYeri != 0) {
        gurup_çevir(satır, j);
        return true;
    }
    sapHarfiKoy(e, ters(sapHarfi(e)));
    e.genişlik = notaGenişliği(sapHarfi(e), e.süre);
    return true;
}

bool kirişYükselt(Satır& satır, int j) { return kodDeğiştir(satır.elemanlar[j].gurup.kiriş, yükseltme); }

bool kirişEğ(Satır& satır, int j) { return kodDeğiştir(satır.elemanlar[j].gurup.kiriş, eğim); }

bool gurubuBöl(Satır& satır, int j) {
    auto& e = satır.elemanlar;
    if (j >= satır.elemanSayısı || e[j].gurup.gurupYeri != gurupYeri::iç || e[j + 1].gurup.gurupYeri != gurupYeri::iç)
        return false;
    e[j].gurup.gurupYeri = gurupYeri::son;
    e[j].gurup.kiriş = 0;
    e[j + 1].gurup.gurupYeri = gurupYeri::ilk;
    return true;
}

bool guruplarıBirleştir(Satır& satır, int j) {
    auto& e = satır.elemanlar;
    if (j >= satır.elemanSayısı || e[j].gurup.gurupYeri != gurupYeri::son || e[j + 1].gurup.gurupYeri != gurupYeri::ilk)
        return false;
    e[j].gurup.gurupYeri = gurupYeri::iç;
    e[j + 1].gurup.gurupYeri = gurupYeri::iç;
    return true;
}

}  // namespace selvika
