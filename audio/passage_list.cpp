#include "audio/passage_list.h"

#include <utility>

namespace selvika {
namespace {

bool var(const EserBaşlık& başlık, int n) { return n >= 1 && n <= başlık.pasajSayısı; }

// Appends a record with its çeşni; its number, or nothing when full.
std::optional<int> ekle(EserBaşlık& başlık, const Pasaj& p, const PasajDeğeri& çeşni) {
    if (başlık.pasajSayısı >= enFazlaPasaj) return std::nullopt;
    const int n = ++başlık.pasajSayısı;
    başlık.pasajlar[n] = p;
    başlık.pasajDeğerleri[n] = çeşni;
    return n;
}

}  // namespace

Pasaj varsayılanPasaj(std::string_view ad) {
    Pasaj p;
    p.ad = Text<16>(ad);
    p.birimNota = 4;
    p.girişMetronomu = p.çıkışMetronomu = 120;
    p.solist = Text<5>("SINUS");
    p.eşlikler.fill(Text<5>("SZYOK"));
    p.ritim = Text<5>("RTYOK");
    p.sesSeviyeleri.fill(50);
    p.ritimSesi = 50;
    return p;
}

std::optional<std::string> yeniPasajAdı(int sıra, std::string_view menüYazısı, Etkileşim& etkileşim) {
    if (sıra != yeniİsimSırası) return std::string(menüYazısı);
    auto ad = etkileşim.girdi("Bu pasaja bir isim verin.");
    if (ad && ad->empty()) return std::nullopt;
    return ad;
}

std::optional<int> yeniPasaj(EserBaşlık& başlık, std::string_view ad, const Notalar& notalar, int ilk, int son) {
    if (ilk > son) std::swap(ilk, son);
    if (ilk < 1 || son > notalar.sayı()) return std::nullopt;
    Pasaj p = varsayılanPasaj(ad);
    p.başlangıçİndeksi = static_cast<Integer>(ilk);
    p.bitişİndeksi = static_cast<Integer>(son);
    p.başlangıçSatırı = notalar[ilk].satır;
    p.başlangıçElemanı = notalar[ilk].eleman;
    p.bitişSatırı = notalar[son].satır;
    p.bitişElemanı = notalar[son].eleman;
    return ekle(başlık, p, {});
}

bool pasajSil(EserBaşlık& başlık, int seçili, Etkileşim& etkileşim) {
    if (!var(başlık, seçili)) {
        etkileşim.mesaj("Silinecek pasajı seçin");
        return false;
    }
    const int son = başlık.pasajSayısı;
    for (int n = seçili; n < son; ++n) {
        başlık.pasajlar[n] = başlık.pasajlar[n + 1];
        başlık.pasajDeğerleri[n] = başlık.pasajDeğerleri[n + 1];
    }
    başlık.pasajlar[son] = {};
    başlık.pasajDeğerleri[son] = {};
    --başlık.pasajSayısı;
    return true;
}

std::optional<int> pasajKopyala(EserBaşlık& başlık, int seçili) {
    if (!var(başlık, seçili)) return std::nullopt;
    return ekle(başlık, başlık.pasajlar[seçili], başlık.pasajDeğerleri[seçili]);
}

void pasajlarıTemizle(EserBaşlık& başlık) {
    başlık.pasajlar = {};
    başlık.pasajDeğerleri = {};
    başlık.pasajSayısı = 0;
}

std::optional<int> pasajTaşı(EserBaşlık& başlık, int seçili, int yön, Etkileşim& etkileşim) {
    if (!var(başlık, seçili)) {
        etkileşim.mesaj("Taşınacak pasajı seçin");
        return std::nullopt;
    }
    if (başlık.pasajSayısı < 2) {
        etkileşim.mesaj("Bu işlem için pasaj sayısı yetersiz.");
        return std::nullopt;
    }
    const int hedef = seçili + yön;
    if (!var(başlık, hedef)) return std::nullopt;
    std::swap(başlık.pasajlar[seçili], başlık.pasajlar[hedef]);
    std::swap(başlık.pasajDeğerleri[seçili], başlık.pasajDeğerleri[hedef]);
    return hedef;
}

}  // namespace selvika
