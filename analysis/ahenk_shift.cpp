#include "analysis/ahenk_shift.h"

#include <array>

namespace selvika {

namespace {

struct ÖtelemeDüğmesi {
    std::string_view yazı;
    int öteleme;  // what buttons 3..11 set
};

constexpr std::array<ÖtelemeDüğmesi, ötelemeDüğmesiSayısı> düğmeler = {{
    {"<< 1 HK ", 0},
    {"1 HK >>", 0},
    {"0 Komma = Bolahenk = Kendi Yeri", 0},
    {"<< Bir tam ses (Sipürde = 9 Komma)", 9},
    {"<< K. Üçlü (Müstahsen = 13 Komma)", 13},
    {"<< B. Üçlü (Yıldız =18 Komma)", 18},
    {"<< Tam dörtlü (Kız Neyi = 22 Komma)", 22},
    {"<< Tam beşli (Mansur = 31 Komma)", 31},
    {"<< Altılı (Şah = 40 Komma)", 40},
    {"<< Yedili (Davut = 44 Komma)", 44},
    {"(Davut Oktavı =  9 Komma ) Bir Tam SES tize>>", -9},
}};

struct AhenkAdı {
    int öteleme;
    std::string_view ad;
};

constexpr AhenkAdı ahenkAdları[] = {{0, "Bolahenk"}, {9, "Sipürde"}, {13, "Müstahsen"}, {18, "Yıldız"},
                                     {22, "Kızneyi"},  {31, "Mansur"}, {40, "Şah"},        {44, "Davud"}};

// How many letters down each shift moves a signature letter (−1: one up).
struct HarfKayması {
    int öteleme;
    int harf;
};

constexpr HarfKayması harfKaymaları[] = {{0, 0},  {9, 1},  {13, 2}, {18, 2}, {22, 3},
                                         {31, 4}, {40, 5}, {44, 6}, {-9, -1}};

// The natural step in koma from each letter down to the next one
// (sol→fa, fa→mi, ..., la→sol).
constexpr std::array<int, harfSayısı> doğalAdımlar = {9, 4, 9, 9, 4, 9, 9};

int aşağıUzaklık(int harf, int adım) {
    int uzaklık = 0;
    for (int i = 0; i < adım; ++i) uzaklık += doğalAdımlar[static_cast<std::size_t>((harf + i) % harfSayısı)];
    for (int i = 0; i > adım; --i)
        uzaklık -= doğalAdımlar[static_cast<std::size_t>((harf + i - 1 + harfSayısı) % harfSayısı)];
    return uzaklık;
}

}  // namespace

std::string_view ötelemeDüğmesiYazısı(int düğme) {
    if (düğme < 1 || düğme > ötelemeDüğmesiSayısı) return {};
    return düğmeler[static_cast<std::size_t>(düğme - 1)].yazı;
}

int ötelemeDüğmesi(int düğme, int öteleme) {
    if (düğme == 1) return öteleme < enBüyükÖteleme ? öteleme + 1 : öteleme;
    if (düğme == 2) return öteleme > -enBüyükÖteleme ? öteleme - 1 : öteleme;
    if (düğme > ötelemeDüğmesiSayısı || düğme < 1) return öteleme;
    return düğmeler[static_cast<std::size_t>(düğme - 1)].öteleme;
}

std::string ötelemeAdı(int öteleme) {
    for (const AhenkAdı& a : ahenkAdları)
        if (a.öteleme == öteleme) return std::string(a.ad);
    return std::to_string(öteleme);
}

Donanım yeniDonanım(const Donanım& eski, int öteleme) {
    for (const HarfKayması& kayma : harfKaymaları) {
        if (kayma.öteleme != öteleme) continue;
        Donanım yeni{};
        for (int l = 0; l < harfSayısı; ++l) {
            const int t = ((l + kayma.harf) % harfSayısı + harfSayısı) % harfSayısı;
            yeni[static_cast<std::size_t>(t)] = static_cast<Integer>(
                eski[static_cast<std::size_t>(l)] + aşağıUzaklık(l, kayma.harf) - öteleme);
        }
        return yeni;
    }
    return eski;
}

}  // namespace selvika
