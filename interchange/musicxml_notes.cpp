#include "interchange/musicxml_notes.h"

#include "rhythm/durations.h"

namespace selvika {
namespace {

constexpr std::string_view adımlar = "CDEFGAB";
constexpr int dügahSırası = 48;  // octave × 7 + step index of a degree, plus the degree

struct TürAdı {
    int payda;
    std::string_view ad;
};
constexpr std::array<TürAdı, 7> türAdları{{
    {1, "whole"},
    {2, "half"},
    {4, "quarter"},
    {8, "eighth"},
    {16, "16th"},
    {32, "32nd"},
    {64, "64th"},
}};

}  // namespace

MusicXmlPerdesi musicXmlPerdesi(int perde) {
    const int sıra = dügahSırası - perde;
    return {adımlar[static_cast<std::size_t>(sıra % 7)], sıra / 7};
}

int perdesi(char adım, int oktav) {
    const auto i = adımlar.find(adım);
    if (i == std::string_view::npos) return 0;
    const int p = dügahSırası - (oktav * 7 + static_cast<int>(i));
    return p >= 1 && p <= 29 ? p : 0;
}

std::string_view notaTürü(int payda) {
    for (const TürAdı& t : türAdları)
        if (t.payda == payda) return t.ad;
    return {};
}

int paydası(std::string_view tür) {
    for (const TürAdı& t : türAdları)
        if (t.ad == tür) return t.payda;
    return 0;
}

int değerPaydası(const Satır& satır, int j) {
    const Eleman& e = satır.elemanlar[j];
    if (e.gurup.gurupYeri == gurupYeri::yok) return e.süre;
    return kirişSüresi(satır, j).value_or(e.süre);
}

}  // namespace selvika
