#include "cli/score_json.h"

#include <algorithm>

namespace selvika::cli {
namespace {

// Texts are shown trimmed; NUL padding, which some files carry, is dropped.
template <std::size_t N>
std::string metin(const Text<N>& t) {
    std::string s = t.trimmed();
    std::erase(s, '\0');
    return s;
}

bool evet(Boolean b) { return static_cast<bool>(b); }

Json yazıTipiJson(const YazıTipi& y) {
    return {{"yüz", metin(y.yüz)}, {"boy", y.boy}, {"kalın", evet(y.kalın)}, {"italik", evet(y.italik)}};
}

Json başlıkYazısıJson(const BaşlıkYazısı& b) { return {{"metin", metin(b.metin)}, {"yazıTipi", yazıTipiJson(b.yazıTipi)}}; }

Json konumJson(const SayfaKonumu& k) { return {{"x", k.x}, {"y", k.y}}; }

template <class Dizi, class Dönüştür>
Json liste(const Dizi& dizi, Dönüştür dönüştür) {
    Json j = Json::array();
    for (const auto& öğe : dizi) j.push_back(dönüştür(öğe));
    return j;
}

Json sayfaJson(const Sayfa& s) {
    return {{"seviye", s.seviye},
            {"ilkSatır", s.ilkSatır},
            {"başlık", başlıkYazısıJson(s.başlık)},
            {"başlıkKonumları", liste(s.başlıkKonumları, konumJson)},
            {"yoğunluk", s.yoğunluk}};
}

Json başlıkJson(const EserBaşlık& b) {
    return {{"eserAdı", metin(b.eserAdı)},
            {"pasajSayısı", b.pasajSayısı},
            {"pasajlar", pasajlarJson(b)},
            {"satırPasajı", pasajJson(b.satırPasajı)},
            {"sayfalar", liste(b.sayfalar, sayfaJson)},
            {"başlıklar", liste(b.başlıklar, başlıkYazısıJson)},
            {"güfteBlokları", liste(b.güfteBlokları, [](const GüfteBloğu& g) {
                 return Json{{"sayfa", g.sayfa}, {"metin", metin(g.metin)}};
             })},
            {"güfteYerleri", liste(b.güfteYerleri, konumJson)},
            {"yazıTipleri", liste(b.yazıTipleri, yazıTipiJson)},
            {"donanım", {{"işaret", metin(b.donanım.işaret)},
                         {"değerler", b.donanım.değerler},
                         {"xKaymaları", b.donanım.xKaymaları},
                         {"genişlik", b.donanım.genişlik}}},
            {"satırAralıkları", b.aralıklar.satırAralıkları.items},
            {"dolapÇizgileri", b.görünümSeçimleri.a},
            {"sazPayıÇizgileri", b.görünümSeçimleri.b},
            {"heceDevamÇizgileri", b.görünümSeçimleri.c},
            {"liezonKalınlığıBaskıda", b.ayarlar.liezonKalınlığı1},
            {"liezonKalınlığıEkranda", b.ayarlar.liezonKalınlığı2},
            {"fareİmleci", b.ayarlar.fareİmleci},
            {"trioleGörünümü", evet(b.bayraklar.trioleGörünümü)},
            {"normalModaDön", evet(b.bayraklar.normalModaDön)},
            {"ekÇizgileriGöster", evet(b.bayraklar.ekÇizgileriGöster)},
            {"uyarıSesleri", evet(b.bayraklar.uyarıSesleri)},
            {"güfteYeri", b.bayraklar.güfteYeri}};
}

Json elemanJson(const Eleman& e) {
    return {{"tür", e.tür},
            {"genişlik", e.genişlik},
            {"süre", e.süre},
            {"arıza", e.arıza.arıza},
            {"mikroton", e.arıza.mikroton},
            {"arızaAyarı", e.arıza.arızaAyarı},
            {"parantezli", evet(e.arıza.parantezli)},
            {"bekarlı", evet(e.arıza.bekarlı)},
            {"x", e.konum.x},
            {"xKayma", e.konum.xKayma},
            {"sapYönü", metin(e.sapYönü)},
            {"usulNo", e.usulNo},
            {"kanal", e.kanal},
            {"gurupYeri", e.gurup.gurupYeri},
            {"gurupAyarı", e.gurup.gurupAyarı},
            {"kiriş", e.gurup.kiriş},
            {"yay", liste(e.yay, [](const YaySlotu& y) {
                 return Json{{"durum", y.durum}, {"yayUç", y.yayUç}, {"yayYükseklik", y.yayYükseklik}};
             })},
            {"kresendo", e.kresendo.kresendo},
            {"dolap", e.dolap.dolap},
            {"saz", e.saz.durum},
            {"heceÇizgi", e.heceÇizgi.durum},
            {"imleç", e.imleç},
            {"nokta", e.nokta},
            {"uzatma1", e.uzatma1},
            {"uzatma2", e.uzatma2},
            {"hece", e.hece},
            {"heceAyarı", e.heceAyarı},
            {"takıKonumu", e.takıKonumu},
            {"boyut", e.boyut},
            {"trioleYeri", e.triole.trioleYeri},
            {"heceAralığı", e.heceAralığı.durum},
            {"sesindeks", e.sesindeks},
            {"süreBirim", e.süreBirim}};
}

Json satırJson(const Satır& s) {
    Json ifadeler = Json::array();
    for (int slot = 1; slot <= 3; ++slot) {
        const İfade& i = s.ifadeler[slot];
        if (!i.kullanımda()) continue;
        ifadeler.push_back({{"slot", slot},
                            {"konum", {i.konum1, i.konum2}},
                            {"metin", metin(i.metin)},
                            {"yazıTipi", yazıTipiJson(i.yazıTipi)}});
    }
    Json elemanlar = Json::array();
    for (int j = 1; j <= std::min<int>(s.elemanSayısı, sonElemanYuvası); ++j) elemanlar.push_back(elemanJson(s.elemanlar[j]));
    return {{"heceKayması", s.heceKayması},
            {"elemanSayısı", s.elemanSayısı},
            {"ayar4", s.ayar4},
            {"ayar1", s.ayar1},
            {"ayar3", s.ayar3},
            {"ayar2", s.ayar2},
            {"satırSonu", s.satırSonu},
            {"güfteSatırları", liste(s.güfteSatırları, metin<100>)},
            {"ifadeler", ifadeler},
            {"elemanlar", elemanlar}};
}

}  // namespace

Json pasajJson(const Pasaj& p) {
    return {{"ad", metin(p.ad)},
            {"başlangıçİndeksi", p.başlangıçİndeksi},
            {"bitişİndeksi", p.bitişİndeksi},
            {"başlangıçSatırı", p.başlangıçSatırı},
            {"bitişSatırı", p.bitişSatırı},
            {"başlangıçElemanı", p.başlangıçElemanı},
            {"bitişElemanı", p.bitişElemanı},
            {"birimNota", p.birimNota},
            {"girişMetronomu", p.girişMetronomu},
            {"çıkışMetronomu", p.çıkışMetronomu},
            {"metronomKipi", p.metronomKipi},
            {"solist", metin(p.solist)},
            {"eşlikler", liste(p.eşlikler, metin<5>)},
            {"ritim", metin(p.ritim)},
            {"sesSeviyeleri", p.sesSeviyeleri},
            {"ritimSesi", p.ritimSesi},
            {"usulNumarası", p.usulNumarası},
            {"göçürümler", p.göçürümler},
            {"kanallar", p.kanallar}};
}

Json pasajlarJson(const EserBaşlık& b) {
    Json pasajlar = Json::array();
    for (int p = 1; p <= std::min<int>(b.pasajSayısı, 99); ++p) {
        Json j = pasajJson(b.pasajlar[p]);
        j["cins"] = b.pasajDeğerleri[p].cins;
        j["çeşniPerdesi"] = b.pasajDeğerleri[p].çeşniPerdesi;
        pasajlar.push_back(j);
    }
    return pasajlar;
}

Json eserJson(const Eser& eser) {
    return {{"version", eser.sürüm}, {"header", başlıkJson(eser.başlık)}, {"lines", liste(eser.satırlar, satırJson)}};
}

}  // namespace selvika::cli
