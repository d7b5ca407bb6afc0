#include "audio/plan_captions.h"

#include <algorithm>
#include <string_view>

#include "audio/plan_charts.h"

namespace selvika {
namespace {

struct Ad {
    std::string_view kod;
    std::string_view ad;
};

constexpr Ad sazAdları[] = {{"SINUS", "Bip sesi"}, {"KANUN", "Kanun"},       {"UDOOO", "Ud"},
                            {"KMNCE", "Kemençe"},  {"MTNBR", "Tanbur"},      {"KLRNT", "Klarnet"},
                            {"KEMAN", "Keman"},    {"CELLO", "Çello Leg."},  {"CELPC", "Çello Picc."},
                            {"BAGLM", "Bağlama"},  {"SZYOK", "Yok"}};
constexpr Ad ritimAdları[] = {
    {"BENDR", "Bendir"}, {"TEFOO", "Def"}, {"KUDUM", "Kudüm"}, {"DRBKA", "Darbuka"}, {"RTYOK", "Yok"}};

template <std::size_t N>
std::string adı(const Ad (&adlar)[N], const Text<5>& kod) {
    const std::string k = kod.trimmed();
    const auto* a = std::find_if(std::begin(adlar), std::end(adlar), [&k](const Ad& a) { return a.kod == k; });
    return a == std::end(adlar) ? k : std::string(a->ad);
}

std::string sıradaki(std::initializer_list<std::string_view> adlar, std::size_t sıra) {
    return sıra < adlar.size() ? std::string(adlar.begin()[sıra]) : std::string();
}

}  // namespace

std::string sazAdı(const Text<5>& kod) { return adı(sazAdları, kod); }
std::string ritimSazıAdı(const Text<5>& kod) { return adı(ritimAdları, kod); }

std::string birimNotaAdı(int birimNota) {
    return birimNota == 4 ? "Dörtlük" : birimNota == 8 ? "Sekizlik" : birimNota == 16 ? "Onaltılık" : "";
}

std::string metronomKipiAdı(int kip) {
    return kip < 0 ? "" : sıradaki({"sabit", "lineer", "azalan", "artan"}, std::size_t(kip));
}

std::string kanalYazısı(int kanal) {
    return kanal == 0 ? "    Kanallar : 0  " : "    Kanallar : 0-" + std::to_string(kanal);
}

std::string göçürümYazısı(int göçürüm) {
    const std::string_view ahenk = ahenkAdı(göçürüm);
    return ahenk.empty() ? "   göçürüm (koma) :" + std::to_string(göçürüm) : std::string(ahenk);
}

}  // namespace selvika
