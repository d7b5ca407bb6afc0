#include "cli/box_json.h"

#include <cmath>

namespace selvika::cli {
namespace {

// Hundredths of a point are finer than any ink.
double yuvarla(double x) { return std::round(x * 100) / 100; }

nlohmann::ordered_json kutuJson(const ÇizilenKutu& k) {
    return {{"kind", kutuTürüAdı(k.ne.tür)},
            {"line", k.ne.satır},
            {"element", k.ne.eleman},
            {"box", {yuvarla(k.kutu.x0), yuvarla(k.kutu.y0), yuvarla(k.kutu.x1), yuvarla(k.kutu.y1)}}};
}

}  // namespace

nlohmann::ordered_json kutularJson(const std::vector<SayfaKutuları>& sayfalar) {
    nlohmann::ordered_json j = {{"pages", nlohmann::ordered_json::array()}};
    for (const SayfaKutuları& s : sayfalar) {
        nlohmann::ordered_json öğeler = nlohmann::ordered_json::array();
        for (const ÇizilenKutu& k : s.kutular) öğeler.push_back(kutuJson(k));
        j["pages"].push_back(
            {{"page", s.sayfa}, {"width", yuvarla(s.genişlik)}, {"height", yuvarla(s.yükseklik)}, {"items", öğeler}});
    }
    return j;
}

nlohmann::ordered_json denetimJson(const DenetimSonucu& sonuç) {
    nlohmann::ordered_json sorunlar = nlohmann::ordered_json::object(), çarpışmalar = nlohmann::ordered_json::object();
    for (int s = 0; s < sorunSayısı; ++s) sorunlar[std::string(sorunAdı(Sorun(s)))] = sonuç.sayılar[s];
    for (const auto& [çift, sayı] : sonuç.çarpışanTürler) çarpışmalar[çift] = sayı;
    nlohmann::ordered_json örnekler = nlohmann::ordered_json::array();
    for (const SorunÖrneği& ö : sonuç.örnekler) {
        nlohmann::ordered_json j = {{"problem", sorunAdı(ö.sorun)}, {"page", ö.sayfa}};
        j.update(kutuJson(ö.kutu));
        if (ö.öteki.ne.tür != KutuTürü::none) j["other"] = kutuJson(ö.öteki);
        örnekler.push_back(j);
    }
    return {{"boxes", sonuç.kutuSayısı}, {"problems", sorunlar}, {"collisions", çarpışmalar}, {"examples", örnekler}};
}

}  // namespace selvika::cli
