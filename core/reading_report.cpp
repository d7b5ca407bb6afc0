#include "core/reading_report.h"


namespace selvika {
namespace {

// "3, 7-12, 40": runs of consecutive lines shown as ranges.
std::string satırListesi(const std::set<int>& satırlar) {
    std::string s;
    for (auto it = satırlar.begin(); it != satırlar.end();) {
        int ilk = *it, son = ilk;
        while (++it != satırlar.end() && *it == son + 1) son = *it;
        if (!s.empty()) s += ", ";
        s += std::to_string(ilk);
        if (son != ilk) s += "-" + std::to_string(son);
    }
    return s;
}

std::string satır(const std::string& başlık, long adet, const std::set<int>& satırlar) {
    return "  " + başlık + ": " + std::to_string(adet) + " (satır " + satırListesi(satırlar) + ")\n";
}

}  // namespace

bool OkumaRaporu::tam() const {
    return !başlıkEksik && dizinsizSatırlar.empty() && tutarsızSatırlar.empty() && elemanlar.adet == 0 &&
           güfteHarfleri.adet == 0 && ifadeler.adet == 0 && fazlaBayt == 0;
}

std::string OkumaRaporu::metin() const {
    if (tam()) return {};
    std::string s = "Eser dosyası beklenenden kısa ya da tutarsız. Okunabilen her şey açıldı; okunamayanlar:\n";
    if (başlıkEksik) s += "  Başlık: eser adı, pasajlar, sayfa düzeni ve tercihler yeni eser değerleriyle açıldı.\n";
    if (!dizinsizSatırlar.empty())
        s += satır("Dizin kaydı okunamayan satır", static_cast<long>(dizinsizSatırlar.size()), dizinsizSatırlar);
    if (!tutarsızSatırlar.empty())
        s += satır("Dizin kaydı tutarsız satır", static_cast<long>(tutarsızSatırlar.size()), tutarsızSatırlar);
    if (elemanlar.adet) s += satır("Okunamayan eleman", elemanlar.adet, elemanlar.satırlar);
    if (güfteHarfleri.adet) s += satır("Okunamayan güfte harfi", güfteHarfleri.adet, güfteHarfleri.satırlar);
    if (ifadeler.adet) s += satır("Okunamayan ifade", ifadeler.adet, ifadeler.satırlar);
    if (fazlaBayt) s += "  Dosyanın sonunda eserin kullanmadığı bayt: " + std::to_string(fazlaBayt) + "\n";
    s += "Eseri kaydederseniz okunamayanlar dosyadan da silinir; özgün dosyayı korumak için eseri "
         "farklı bir adla kaydedin.";
    return s;
}

}  // namespace selvika
