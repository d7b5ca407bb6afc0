#include "core/font_check.h"

#include <algorithm>

namespace selvika {
namespace {

void denetle(YazıTipi& yazıTipi, const YazıTipiSorgusu& sorgu, std::vector<std::string>& değişenler) {
    std::string yüz = yazıTipi.yüz.trimmed();
    yazıTipi.yüz = Text<40>(yüz);
    if (sorgu.var(yüz)) return;
    yazıTipi.yüz = Text<40>(sorgu.yerineGeçen());
    if (std::find(değişenler.begin(), değişenler.end(), yüz) == değişenler.end()) değişenler.push_back(yüz);
}

}  // namespace

std::vector<std::string> yazıTipleriniDenetle(Eser& eser, const YazıTipiSorgusu& sorgu) {
    std::vector<std::string> değişenler;
    EserBaşlık& b = eser.başlık;
    for (int y = 1; y <= 6; ++y) denetle(b.yazıTipleri[y], sorgu, değişenler);
    for (BaşlıkYazısı& başlık : b.başlıklar) denetle(başlık.yazıTipi, sorgu, değişenler);
    for (Satır& satır : eser.satırlar)
        for (İfade& ifade : satır.ifadeler)
            if (ifade.konum1 != 0) denetle(ifade.yazıTipi, sorgu, değişenler);
    return değişenler;
}

}  // namespace selvika
