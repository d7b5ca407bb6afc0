#include "interchange/musicxml_import.h"

#include <fstream>
#include <map>
#include <sstream>

#include "core/code_page.h"
#include "core/defaults.h"
#include "core/file_io.h"
#include "core/preferences.h"
#include "core/titles.h"
#include "core/trimmed_text.h"
#include "edit/slurs.h"
#include "interchange/musicxml_notes.h"
#include "interchange/musicxml_reading.h"
#include "interchange/report_interaction.h"
#include "interchange/symbtr_lines.h"

namespace selvika {
namespace {

constexpr std::size_t heceSatırıGenişliği = 100;

// The makam whose signature the key is, else the score's own signature.
std::optional<Byte> donanımKodu(const std::vector<DonanımArızası>& arızalar, EserBaşlık& başlık) {
    if (arızalar.empty()) return std::nullopt;
    for (const Makam& m : makamListesi())
        if (m.kod != kullanıcıTanımlı && aynıArızalar(m.arızalar, arızalar)) return m.kod;
    std::array<Integer, harfSayısı> değerler{};
    for (const DonanımArızası& a : arızalar) değerler[static_cast<std::size_t>(a.harf)] = static_cast<Integer>(a.değer);
    kullanıcıDonanımınıKaydet(başlık.donanım, değerler);
    return kullanıcıTanımlı;
}

void başlıklarıYaz(pugi::xml_node kök, EserBaşlık& başlık) {
    std::string ad = kök.child("work").child_value("work-title");
    if (ad.empty()) ad = kök.child_value("movement-title");
    başlığıYaz(başlık, eserAdıBaşlığı, ad);
    for (pugi::xml_node c : kök.child("identification").children("creator"))
        for (const YaratıcıBaşlığı& y : yaratıcıBaşlıkları)
            if (y.tür == c.attribute("type").as_string()) başlığıYaz(başlık, y.başlık, c.text().get());
}

// The line's notes and rests with what each brings beyond the plan.
struct SatırNotası {
    int j;
    const NotaEki* ek;
};
std::vector<SatırNotası> satırNotaları(const Satır& satır, const SatırPlanı& plan, const OkunanBölüm& bölüm) {
    std::vector<SatırNotası> notalar;
    auto simge = plan.simgeler.begin();
    for (int j = 1; j <= satır.elemanSayısı; ++j) {
        const Eleman& e = satır.elemanlar[j];
        if (!e.nota() && e.tür != tür::sus) continue;
        while (simge != plan.simgeler.end() && !simge->nota) ++simge;
        if (simge == plan.simgeler.end()) break;
        notalar.push_back({j, &notaEki(bölüm, simge->nota->sıra)});
        ++simge;
    }
    return notalar;
}

// Every note with a syllable in some verse takes one in every verse row; a
// verse without one there holds the place with "Q".
void heceleriYaz(Satır& satır, const std::vector<SatırNotası>& notalar, İçeAlmaRaporu& rapor) {
    std::array<std::string, 4> satırlar;
    for (int j = 1; j <= satır.elemanSayısı; ++j) satır.elemanlar[j].hece = 0;
    for (const SatırNotası& n : notalar) {
        bool var = false;
        for (const std::string& h : n.ek->heceler) var |= !h.empty();
        if (!var) continue;
        satır.elemanlar[n.j].hece = 1;
        for (std::size_t v = 0; v < 4; ++v) {
            const std::string& h = n.ek->heceler[v];
            satırlar[v] += (satırlar[v].empty() ? "" : " ") + (h.empty() ? std::string("Q") : h);
        }
    }
    for (std::size_t v = 0; v < 4; ++v) {
        bool boş = true;
        for (const SatırNotası& n : notalar) boş &= n.ek->heceler[v].empty();
        if (boş) satırlar[v].clear();
        if (toCodePage(satırlar[v]).size() > heceSatırıGenişliği && !notalar.empty())
            rapor.genel("ölçü " + notalar.front().ek->ölçü + ": " + std::to_string(v + 1) +
                        ". kıtanın satırı 100 harfe sığmadı, sonu kesildi");
        satır.güfteSatırları[static_cast<int>(v) + 1] = kırpılmışMetin<heceSatırıGenişliği>(satırlar[v]);
    }
}

void yaylarıYaz(Satır& satır, const std::vector<SatırNotası>& notalar, İçeAlmaRaporu& rapor) {
    RaporaYazanEtkileşim etkileşim(rapor);
    std::map<int, int> açık;
    for (const SatırNotası& n : notalar) {
        for (int numara : n.ek->yaySonları) {
            if (!açık.contains(numara)) {
                rapor.genel("ölçü " + n.ek->ölçü + ": satırın başından geçen bağ alınmadı");
                continue;
            }
            if (açık[numara] != n.j) liezonYap(satır, açık[numara], n.j, etkileşim);
            açık.erase(numara);
        }
        for (int numara : n.ek->yayBaşları) açık[numara] = n.j;
    }
    for (const auto& [numara, j] : açık)
        rapor.genel("satır sonunu aşan bağ alınmadı (" + std::to_string(j) + ". eleman)");
}

// The line building names the note of a refusal by its place in the part;
// the user finds it by its measure.
void ölçüyleAnlat(İçeAlmaRaporu& rapor, std::size_t önce, const OkunanBölüm& bölüm) {
    constexpr std::string_view önek = "Sıra ";
    for (std::size_t i = önce; i < rapor.satırlar.size(); ++i) {
        std::string& satır = rapor.satırlar[i];
        const auto iki = satır.find(": ");
        if (!satır.starts_with(önek) || iki == std::string::npos) continue;
        const int sıra = std::stoi(satır.substr(önek.size(), iki - önek.size()));
        satır = "ölçü " + notaEki(bölüm, sıra).ölçü + satır.substr(iki);
    }
}

}  // namespace

İçeAlma musicXmlMetniniAl(std::string_view metin) {
    İçeAlma sonuç{yeniEser(varsayılanTercihler()), {}};
    İçeAlmaRaporu& rapor = sonuç.rapor;
    pugi::xml_document belge;
    if (!belge.load_buffer(metin.data(), metin.size())) throw DosyaHatası("MusicXML okunamadı");
    const pugi::xml_node kök = belge.child("score-partwise");
    if (!kök) throw DosyaHatası("score-partwise MusicXML değil");
    EserBaşlık& başlık = sonuç.eser->başlık;
    başlıklarıYaz(kök, başlık);
    const pugi::xml_node bölüm = kök.child("part");
    if (bölüm.next_sibling("part")) rapor.genel("yalnız ilk bölüm alındı");

    const OkunanBölüm okunan = bölümüOku(bölüm, rapor);
    const std::optional<Byte> donanım = donanımKodu(okunan.donanım, başlık);
    const std::vector<SatırPlanı> planlar = satırlaraBöl(okunan.ölçüler, donanım ? 2 : 1);
    for (std::size_t k = 0; k < planlar.size(); ++k) {
        if (k == satırSayısı) {
            const Simge& ilk = planlar[k].simgeler.front();
            rapor.genel("eser 126 satıra sığmadı: ölçü " + (ilk.nota ? notaEki(okunan, ilk.nota->sıra).ölçü : "?") +
                        " ve sonrası alınmadı");
            break;
        }
        Satır& satır = sonuç.eser->satırlar[static_cast<int>(k) + 1];
        const std::size_t önce = rapor.satırlar.size();
        satır = satırKur(planlar[k], donanım, başlık, rapor);
        ölçüyleAnlat(rapor, önce, okunan);
        const std::vector<SatırNotası> notalar = satırNotaları(satır, planlar[k], okunan);
        heceleriYaz(satır, notalar, rapor);
        yaylarıYaz(satır, notalar, rapor);
    }
    return sonuç;
}

İçeAlma musicXmlAl(const std::filesystem::path& yol) {
    std::ifstream girdi(yol, std::ios::binary);
    if (!girdi) throw DosyaHatası("dosya okunamadı: " + yol.string());
    std::ostringstream metin;
    metin << girdi.rdbuf();
    return musicXmlMetniniAl(metin.str());
}

}  // namespace selvika
