#include "pitch/quick_corrections.h"

#include "pitch/degrees.h"

namespace selvika {
namespace {

// Moves `değer` one step in `yön` within [alt, üst]; false at the bound.
bool adım(Integer& değer, int yön, int alt, int üst) {
    int yeni = değer + yön;
    if (yeni < alt || yeni > üst) return false;
    değer = static_cast<Integer>(yeni);
    return true;
}

// Higher is one degree up (a smaller number), one koma up, a third up.
bool düzelt(Eleman& e, int indeks, int yön) {
    switch (indeks) {
        case 0: {
            if (!e.nota()) return false;
            Integer tür = e.tür;
            if (!adım(tür, -yön, enTizPerde, enPestPerde)) return false;
            e.tür = static_cast<Byte>(tür);
            return true;
        }
        case 1: return adım(e.arıza.arıza, yön, -enBüyükArıza, enBüyükArıza);
        case 2: return adım(e.arıza.mikroton, yön, -1, 1);
        default: return false;
    }
}

bool sapAşağı(const Eleman& e) { return e.sapYönü == Text<1>("d"); }

}  // namespace

bool düzelt_dahatiz(Eleman& e, int indeks) { return düzelt(e, indeks, +1); }
bool düzelt_dahapest(Eleman& e, int indeks) { return düzelt(e, indeks, -1); }

bool düzelt_hızlı(Eleman& e) {
    if (e.gurup.gurupYeri != 0 || e.tür > 32 || e.süre == 32) return false;
    e.süre = static_cast<Byte>(e.süre * 2);
    if (sapAşağı(e) && e.süre > 4) e.genişlik = 18;
    return true;
}

bool düzelt_yavaş(Eleman& e) {
    if (e.gurup.gurupYeri != 0 || e.tür > 25 || e.süre == 1) return false;
    e.süre = static_cast<Byte>(e.süre / 2);
    if (sapAşağı(e) && e.süre < 8) e.genişlik = 12;
    return true;
}

bool düzelt_çevir(Eleman& e) {
    if (e.gurup.gurupYeri != 0 || !e.nota()) return false;
    e.sapYönü = Text<1>(sapAşağı(e) ? "p" : "d");
    e.genişlik = static_cast<Byte>(sapAşağı(e) && e.süre >= 8 ? 18 : 12);
    return true;
}

}  // namespace selvika
