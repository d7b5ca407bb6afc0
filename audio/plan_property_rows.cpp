#include "audio/plan_property_rows.h"

#include "audio/plan_captions.h"
#include "audio/plan_charts.h"
#include "audio/plan_rows.h"
#include "audio/passage_voices.h"
#include "pitch/degrees.h"

namespace selvika {
namespace {

constexpr int özellikSatırı = 29;

std::string sayı(int n) { return std::to_string(n); }

std::string yer(int satır, int eleman) { return sayı(satır) + "/" + sayı(eleman); }

// The ahenk's name follows the row's caption; other komas have their own.
std::string göçürümSatırı(int göçürüm) {
    return ahenkAdı(göçürüm).empty() ? göçürümYazısı(göçürüm) : "   göçürüm  :" + göçürümYazısı(göçürüm);
}

std::string çeşniSatırı(const PasajDeğeri& değer, const CinsKütüphanesi& cinsler) {
    PasajDeğeri d = değer;
    çeşniyiDüzelt(d);
    if (d.çeşniPerdesi == 0) return "Çeşni  : Yok ";
    std::string_view perde = çeşniEtiketi(d.çeşniPerdesi);  // " Neva da "
    perde = perde.substr(1, perde.size() - 2);
    return "Çeşni  :  " + std::string(perde) + " " + cinsler[d.cins].ad.trimmed();
}

constexpr const char* eşlikBaşlıkları[] = {" 1. refakat sazı  :", " 2. refakat sazı  :", " 3. refakat sazı  :"};

}  // namespace

std::vector<std::string> pasajSatırları(const Pasaj& p, const PasajDeğeri& çeşni, std::string_view usulAdı,
                                        const CinsKütüphanesi& cinsler) {
    std::vector<std::string> s(özellikSatırı);
    s[0] = "  ADI : " + p.ad.trimmed();
    s[2] = " başlangıç : " + yer(p.başlangıçSatırı, p.başlangıçElemanı);
    s[3] = " bitiş : " + yer(p.bitişSatırı, p.bitişElemanı);
    s[4] = " birim nota          :" + birimNotaAdı(p.birimNota);
    s[5] = " giriş metronom  :" + sayı(p.girişMetronomu);
    s[6] = " çıkış metronom  :" + sayı(p.çıkışMetronomu);
    s[8] = " Metronom modu:" + metronomKipiAdı(p.metronomKipi);
    for (int ses = 0; ses < sesSayısı; ++ses) {
        const auto i = static_cast<std::size_t>(10 + 3 * ses);
        s[i] = (ses == 0 ? std::string(" Solist saz      :") : eşlikBaşlıkları[ses - 1]) + sazAdı(sesSazı(p, ses));
        s[i + 1] = göçürümSatırı(p.göçürümler[static_cast<std::size_t>(ses)]);
        s[i + 2] = kanalYazısı(sesKanalı(p, ses));
    }
    s[22] = " Ritm sazı  :" + ritimSazıAdı(p.ritim);
    s[23] = " Ses Dengelerini düzenle";
    s[24] = " usul kalıbı no      :" + sayı(p.usulNumarası) + " (" + std::string(usulAdı) + ")";
    s[26] = "  sesler :";
    for (Byte v : p.sesSeviyeleri) s[26] += " " + sayı(v);
    s[26] += "   ritm : % " + sayı(p.ritimSesi);
    s[28] = çeşniSatırı(çeşni, cinsler);
    return s;
}

std::vector<std::string> satırPasajıSatırları(const Pasaj& p) {
    return {" birim nota          :" + birimNotaAdı(p.birimNota), " metronom  :" + sayı(p.girişMetronomu),
            " Solist saz      :" + sazAdı(p.solist), göçürümSatırı(p.göçürümler[0])};
}

}  // namespace selvika
