#include "core/font_check.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace selvika {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> eşler{{
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
    {"MS Sans Serif", "DejaVu Sans"},
    {"Tahoma", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans"},
}};

bool aynıAd(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// A face the system has, or one whose stand-in it has: the score keeps the
// name either way, and the drawing picks the stand-in.
bool çizilebilir(const std::string& yüz, const YazıTipiSorgusu& sorgu) {
    if (sorgu.var(yüz)) return true;
    const auto eş = eşYüz(yüz);
    return eş && sorgu.var(*eş);
}

void denetle(YazıTipi& yazıTipi, const YazıTipiSorgusu& sorgu, std::vector<std::string>& değişenler) {
    std::string yüz = yazıTipi.yüz.trimmed();
    yazıTipi.yüz = Text<40>(yüz);
    if (çizilebilir(yüz, sorgu)) return;
    yazıTipi.yüz = Text<40>(sorgu.yerineGeçen());
    if (std::find(değişenler.begin(), değişenler.end(), yüz) == değişenler.end()) değişenler.push_back(yüz);
}

}  // namespace

std::optional<std::string> eşYüz(std::string_view yüz) {
    for (const auto& [windows, eş] : eşler)
        if (aynıAd(yüz, windows)) return std::string(eş);
    return std::nullopt;
}

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
