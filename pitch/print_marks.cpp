#include "pitch/print_marks.h"

#include <cstdlib>

namespace selvika {

std::vector<Baskıİşareti> baskıİşaretleri(const Satır& satır) {
    std::vector<Baskıİşareti> işaretler;
    for (int j = 1; j <= std::min<int>(satır.elemanSayısı, sonElemanYuvası); ++j) {
        const Eleman& e = satır.elemanlar[j];
        int x = e.konum.x + e.konum.xKayma;
        int büyüklük = std::abs(e.arıza.arıza);
        if (büyüklük == 6 || büyüklük == 7) işaretler.push_back({x, 160, std::to_string(büyüklük)});
        if (e.arıza.mikroton == -1) işaretler.push_back({x, 175, "-"});
        if (e.arıza.mikroton == 1) işaretler.push_back({x, 175, "+"});
    }
    return işaretler;
}

}  // namespace selvika
