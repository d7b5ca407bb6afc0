#include "lyrics/syllable_distribution.h"

#include <algorithm>

namespace selvika {
namespace {

DağıtılanHece sıradakiHece(std::string& kalan) {
    const auto boşluk = kalan.find(' ');
    DağıtılanHece hece{kalan.substr(0, boşluk)};
    kalan = boşluk == std::string::npos ? std::string{} : kalan.substr(boşluk + 1);
    if (hece.metin == "Q" || hece.metin == "q") hece = {{}, true};
    return hece;
}

}  // namespace

std::vector<ElemanınHeceleri> satırHeceleri(const Satır& satır) {
    const int adet = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    std::vector<ElemanınHeceleri> heceler(static_cast<std::size_t>(adet));
    for (int r = 1; r <= 4; ++r) {
        std::string kalan = satır.güfteSatırları[r].trimmed();
        for (int j = 1; j <= adet && !kalan.empty(); ++j)
            if (satır.elemanlar[j].hece == 1)
                heceler[static_cast<std::size_t>(j - 1)][static_cast<std::size_t>(r - 1)] = sıradakiHece(kalan);
    }
    return heceler;
}

}  // namespace selvika
