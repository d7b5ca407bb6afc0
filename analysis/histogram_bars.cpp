#include "analysis/histogram_bars.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "pitch/degrees.h"

namespace selvika {

namespace {

// Bars are drawn for these positions; the grid reaches a little higher.
constexpr int ilkÇubuk = 11;
constexpr int sonÇubuk = ızgaraSonKoma;

std::int32_t enYüksek(const Histogram& h) {
    return std::max(*std::max_element(h.begin() + ilkÇubuk, h.begin() + sonÇubuk + 1), std::int32_t{1});
}

std::string yüzde(double pay) {
    char metin[32];
    std::snprintf(metin, sizeof metin, "%%%.1f", pay);
    return metin;
}

constexpr CetvelAdı cetvelAdı(std::string_view ad, int perde) { return {ad, doğalKoma(perde)}; }

constexpr std::array<CetvelAdı, 21> cetvel = {
    cetvelAdı("K.Dügh", 22), cetvelAdı("K.Pus", 21),  cetvelAdı("K.Çar", 20),  cetvelAdı("Yegah", 19),
    cetvelAdı("HAşir", 18),  cetvelAdı("AAşir", 17),  cetvelAdı("Rast", 16),   cetvelAdı("Dügah", 15),
    cetvelAdı("Pus", 14),    cetvelAdı("Çar", 13),    cetvelAdı("Neva", 12),   cetvelAdı("Hüsy", 11),
    cetvelAdı("Acem", 10),   cetvelAdı("Gerd", 9),    cetvelAdı("Muhy", 8),    cetvelAdı("T.Pus", 7),
    cetvelAdı("T.Çar", 6),   cetvelAdı("T.Nev", 5),   cetvelAdı("T.Hüs", 4),   cetvelAdı("T.Acem", 3),
    cetvelAdı("T.Gerd", 2)};

}  // namespace

std::string_view histogramBaşlığı(HistogramTürü tür) {
    return tür == HistogramTürü::adet ? "Perde / Adet histogramı" : "Perde / % Süre histogramı";
}

std::vector<IzgaraÇizgisi> ızgaraÇizgileri() {
    constexpr int perdeYerleri[] = {9, 18, 27, 31, 40, 49, 53, 62};
    std::vector<IzgaraÇizgisi> çizgiler;
    std::array<bool, komaKonumSayısı> çizildi{};
    for (int oktav = 0; oktav < 3; ++oktav) {
        for (int yer : perdeYerleri) {
            const int p = yer + 53 * oktav;
            const int aralık = yer == 27 || yer == 49 ? 4 : 9;
            for (int fark = 0; fark < aralık; ++fark) {
                if (çizildi[static_cast<std::size_t>(p + fark)]) continue;
                çizildi[static_cast<std::size_t>(p + fark)] = true;
                if (fark == 0) çizgiler.push_back({p, IzgaraRengi::mavi, 0});
                else if (fark == 1 || fark == 4 || fark == 5 || fark == 8)
                    çizgiler.push_back({p + fark, IzgaraRengi::camgöbeği, 10});
                else
                    çizgiler.push_back({p + fark, IzgaraRengi::yeşil, 20});
            }
        }
    }
    return çizgiler;
}

std::vector<HistogramÇubuğu> histogramÇubukları(const PerdeSayımı& sayım, HistogramTürü tür, int öteleme) {
    const bool adet = tür == HistogramTürü::adet;
    const Histogram& h = adet ? sayım.adet : sayım.süre;
    const double enÇok = enYüksek(h);
    const double toplam = static_cast<double>(sayım.toplamSüre());
    std::vector<HistogramÇubuğu> çubuklar;
    for (int k = ilkÇubuk; k <= sonÇubuk; ++k) {
        if (h[static_cast<std::size_t>(k)] <= 0) continue;
        const double değer = h[static_cast<std::size_t>(k)];
        çubuklar.push_back({k, komaX(k + öteleme), değer / enÇok,
                            adet ? std::to_string(h[static_cast<std::size_t>(k)]) : yüzde(değer / toplam * 100)});
    }
    return çubuklar;
}

std::span<const CetvelAdı> perdeCetveli() { return cetvel; }

}  // namespace selvika
