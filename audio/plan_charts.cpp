#include "audio/plan_charts.h"

#include <algorithm>

namespace selvika {
namespace {

constexpr int metronomSütunu = 10, ahenkSütunu = 8, ahenkHücresi = 72;

// The cell at a point counted from 0 row by row, or nothing.
std::optional<int> hücre(int x, int y, int sütunSayısı, int hücreSayısı) {
    if (x < 0 || y < 0 || x >= sütunSayısı * çizelgeHücresi) return std::nullopt;
    const int h = y / çizelgeHücresi * sütunSayısı + x / çizelgeHücresi;
    return h < hücreSayısı ? std::optional(h) : std::nullopt;
}

// Cells up to `son` (1-based) give `sabit` when it is set, cell − `fark`
// otherwise.
struct AhenkAralığı {
    int son;
    int sabit;
    int fark;
};
constexpr AhenkAralığı ahenkAralıkları[] = {
    {4, 0, 0},   {12, -1, 4},  {16, 9, 0},  {19, -1, 7},  {24, 13, 0}, {32, -1, 11}, {36, 22, 0},
    {44, -1, 14}, {48, 31, 0}, {56, -1, 17}, {58, 40, 0}, {61, -1, 18}, {64, 44, 0}, {72, -1, 20},
};

struct Ahenk {
    int göçürüm;
    std::string_view ad;
};
constexpr Ahenk ahenkler[] = {{0, "Bolaheng"}, {9, "Sipürde"}, {13, "Müstahzen"}, {22, "Kız neyi"},
                              {31, "Mansur"},   {40, "Şah"},    {44, "Davud"}};

}  // namespace

std::optional<Byte> metronomNoktası(int x, int y) {
    const auto h = hücre(x, y, metronomSütunu, int(metronomDeğerleri.size()));
    return h ? std::optional(metronomDeğerleri[std::size_t(*h)]) : std::nullopt;
}

void metronomSeç(Pasaj& p, Byte metronom, bool giriş) {
    if (giriş) p.girişMetronomu = metronom;
    p.çıkışMetronomu = metronom;
}

std::optional<Byte> ahenkNoktası(int x, int y) {
    const auto h = hücre(x, y, ahenkSütunu, ahenkHücresi);
    if (!h) return std::nullopt;
    const int numara = *h + 1;
    const auto& a = *std::find_if(std::begin(ahenkAralıkları), std::end(ahenkAralıkları),
                                  [numara](const AhenkAralığı& a) { return numara <= a.son; });
    return static_cast<Byte>(a.sabit >= 0 ? a.sabit : numara - a.fark);
}

std::string_view ahenkAdı(int göçürüm) {
    const auto* a = std::find_if(std::begin(ahenkler), std::end(ahenkler),
                                 [göçürüm](const Ahenk& a) { return a.göçürüm == göçürüm; });
    return a == std::end(ahenkler) ? std::string_view{} : a->ad;
}

}  // namespace selvika
