// analyse: the pitch counts of scores, their key signature and what an
// ahenk shift makes of it.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "analysis/ahenk_shift.h"
#include "analysis/pitch_histogram.h"
#include "analysis/score_key_signature.h"
#include "cli/command.h"
#include "cli/offscreen.h"
#include "cli/options.h"
#include "cli/score_json.h"
#include "cli/terminal.h"
#include "core/file_io.h"
#include "pitch/key_signatures.h"
#include "render/histogram_painter.h"

namespace selvika::cli {
namespace {

constexpr std::string_view analizArgümanları = "EVD... [--shift N] [--png ÇIKTI.png]";

// Only the positions that hold something, keyed by position.
Json histogramJson(const Histogram& h) {
    Json j = Json::object();
    for (int k = 0; k < komaKonumSayısı; ++k)
        if (h[static_cast<std::size_t>(k)] != 0) j[std::to_string(k)] = h[static_cast<std::size_t>(k)];
    return j;
}

Json sayımJson(const PerdeSayımı& sayım) {
    return {{"countHistogram", histogramJson(sayım.adet)},
            {"durationHistogram", histogramJson(sayım.süre)},
            {"smallest", sayım.enKüçük},
            {"largest", sayım.enBüyük},
            {"totalCount", sayım.toplamAdet()},
            {"totalDuration", sayım.toplamSüre()}};
}

Json donanımJson(const Donanım& d) {
    Json j = Json::object();
    for (int h = 0; h < harfSayısı; ++h) j[std::string(harfAdı(static_cast<Harf>(h)))] = d[static_cast<std::size_t>(h)];
    return j;
}

std::string_view makamAdı(Byte kod) {
    for (const Makam& m : makamListesi())
        if (m.kod == kod) return m.ad;
    return {};
}

Json eserAnaliziJson(const Eser& eser, std::optional<int> öteleme) {
    Json j = sayımJson(perdeleriSay(eser));
    const EserDonanımı donanım = eserDonanımı(eser);
    j["keySignature"] = donanım.kod == 0 ? Json() : Json(donanım.kod);  // null: none
    j["singleKeySignature"] = donanım.tek;
    if (!makamAdı(donanım.kod).empty()) j["makam"] = makamAdı(donanım.kod);
    if (!donanımMesajı(donanım).empty()) j["message"] = donanımMesajı(donanım);
    const std::optional<Donanım> eski = eskiDonanım(donanım, eser.başlık.donanım);
    if (eski) j["oldSignature"] = donanımJson(*eski);
    if (öteleme) {
        j["shift"] = *öteleme;
        j["shiftLabel"] = ötelemeAdı(*öteleme);
        if (eski) j["newSignature"] = donanımJson(yeniDonanım(*eski, *öteleme));
    }
    return j;
}

// The reason a file was refused, with the file's name unless it names it.
std::string dosyaHatası(const std::string& dosya, const DosyaHatası& hata) {
    const std::string metin = hata.what();
    return metin.find(dosya) == std::string::npos ? dosya + ": " + metin : metin;
}

bool resimYaz(const PerdeSayımı& sayım, int öteleme, const std::string& yol) {
    EkransızUygulama uygulama;
    if (histogramResmi(sayım, öteleme).save(QString::fromStdString(yol), "PNG")) return true;
    std::cerr << yol << " yazılamadı\n";
    return false;
}

int analiz(std::span<const std::string> a) {
    std::vector<std::string> dosyalar;
    std::optional<int> öteleme;
    std::string png;
    CLI::App uygulama;
    uygulama.add_option("EVD", dosyalar)->required();
    uygulama.add_option("--shift", öteleme)->type_name("N")->check(aralık(-enBüyükÖteleme, enBüyükÖteleme));
    uygulama.add_option("--png", png)->type_name("ÇIKTI.png");
    if (!seçenekleriOku(uygulama, a, "analyse " + std::string(analizArgümanları))) return yanlışKullanım;

    PerdeSayımı toplam;
    Json sonuçlar = Json::array();
    bool hepsiOkundu = true;
    for (const std::string& dosya : dosyalar) {
        try {
            EserPtr eser = eserAç(dosya);
            toplam += perdeleriSay(*eser);
            Json j = {{"file", dosya}};
            j.update(eserAnaliziJson(*eser, öteleme));
            sonuçlar.push_back(std::move(j));
        } catch (const DosyaHatası& hata) {
            const std::string metin = dosyaHatası(dosya, hata);
            std::cerr << metin << '\n';
            sonuçlar.push_back({{"file", dosya}, {"error", metin}});
            hepsiOkundu = false;
        }
    }
    if (dosyalar.size() == 1 && !hepsiOkundu) return reddedildi;
    Json çıktı = dosyalar.size() == 1 ? sonuçlar[0] : Json{{"files", sonuçlar}, {"sum", sayımJson(toplam)}};
    std::cout << çıktı.dump(1) << '\n';
    if (!png.empty() && !resimYaz(toplam, öteleme.value_or(0), png)) return reddedildi;
    return hepsiOkundu ? başarılı : reddedildi;
}

constexpr Komut komutlar[] = {
    {"analyse", analizArgümanları,
     "perdelerin adet ve süre histogramları, eserin donanımı ve ahenk ötelemesi (JSON; --png resim)", analiz, 1,
     true},
};

}  // namespace

std::span<const Komut> analizKomutları() { return komutlar; }

}  // namespace selvika::cli
