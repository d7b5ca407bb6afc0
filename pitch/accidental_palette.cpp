#include "pitch/accidental_palette.h"

#include <cstdlib>

#include "pitch/degrees.h"

namespace selvika {
namespace {

struct Bant {
    int son;
    Integer arıza;
};

constexpr Bant bantlar[] = {{22, -8}, {41, -5}, {60, -4}, {80, -3},   {98, -2}, {117, -1}, {135, bekar},
                            {154, 1}, {173, 2}, {192, 3}, {212, 4},  {230, 5}, {253, 8}};

}  // namespace

std::optional<Integer> paletArızası(int x) {
    if (x < 1) return std::nullopt;
    for (const Bant& bant : bantlar)
        if (x <= bant.son) return bant.arıza;
    return std::nullopt;
}

Integer bekleyenArıza(Integer arıza, bool shift, bool ctrl, Etkileşim& etkileşim) {
    if (shift && ctrl) {
        etkileşim.ikazYaz(parantezVeBekar);
        return arıza;
    }
    if (shift) return static_cast<Integer>(arıza * 16);
    if (ctrl) return static_cast<Integer>(arıza * 256);
    return arıza;
}

int arızayıUygula(Satır& satır, Integer bekleyen, int tıklamaX) {
    if (bekleyen == 0) return 0;
    for (int j = 1; j <= std::min<int>(satır.elemanSayısı, sonElemanYuvası); ++j) {
        Eleman& e = satır.elemanlar[j];
        int merkez = e.konum.x + e.konum.xKayma + e.genişlik / 2;
        if (!e.nota() || tıklamaX < merkez - 8 || tıklamaX >= merkez + 8) continue;
        int büyüklük = std::abs(bekleyen);
        e.arıza.parantezli = büyüklük >= 16 && büyüklük <= 240;
        e.arıza.bekarlı = büyüklük >= 256;
        e.arıza.arıza = static_cast<Integer>(büyüklük >= 256 ? bekleyen / 256 : büyüklük >= 16 ? bekleyen / 16 : bekleyen);
        e.arıza.mikroton = 0;
        return j;
    }
    return 0;
}

}  // namespace selvika
