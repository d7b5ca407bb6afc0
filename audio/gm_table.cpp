#include "audio/gm_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <set>
#include <sstream>
#include <utility>

#include "audio/instruments.h"
#include "audio/rhythm_track.h"
#include "audio/sample_rate.h"

namespace selvika {
namespace {

using Alanlar = std::vector<std::string>;

// The rows of a tab-separated table after its comments and its header line.
std::vector<Alanlar> satırlar(const std::filesystem::path& yol, std::size_t sütunSayısı) {
    std::ifstream dosya(yol);
    if (!dosya) throw GMTablosuHatası(yol.string() + ": cannot be read");
    std::vector<Alanlar> tablo;
    bool başlık = true;
    for (std::string metin; std::getline(dosya, metin);) {
        if (metin.empty() || metin.front() == '#') continue;
        Alanlar satır;
        std::istringstream alanlar(metin);
        for (std::string alan; std::getline(alanlar, alan, '\t');) satır.push_back(alan);
        if (satır.size() != sütunSayısı)
            throw GMTablosuHatası(yol.string() + ": not " + std::to_string(sütunSayısı) + " columns: " + metin);
        if (!std::exchange(başlık, false)) tablo.push_back(std::move(satır));
    }
    return tablo;
}

int sayı(const std::string& alan, int en, int çok) {
    int n = 0;
    auto [son, hata] = std::from_chars(alan.data(), alan.data() + alan.size(), n);
    if (hata != std::errc{} || son != alan.data() + alan.size() || n < en || n > çok)
        throw GMTablosuHatası("\"" + alan + "\" is not a number from " + std::to_string(en) + " to " +
                              std::to_string(çok));
    return n;
}

// Seconds as samples.
long örnekSayısı(const std::string& alan) {
    double saniye = 0;
    auto [son, hata] = std::from_chars(alan.data(), alan.data() + alan.size(), saniye);
    if (hata != std::errc{} || son != alan.data() + alan.size() || saniye < 0 || saniye > 10)
        throw GMTablosuHatası("\"" + alan + "\" is not a number of seconds from 0 to 10");
    return std::lround(saniye * örneklemeHızı);
}

std::vector<int> tuşlar(const std::string& alan) {
    std::vector<int> t;
    std::istringstream parçalar(alan);
    for (std::string parça; std::getline(parçalar, parça, '+');) t.push_back(sayı(parça, 0, 127));
    return t;
}

}  // namespace

std::vector<SazSesi> sazSesleriniOku(const std::filesystem::path& yol) {
    std::vector<SazSesi> sesler;
    for (const Alanlar& s : satırlar(yol, 7)) {
        const int saz = sazNumarası(s[0]);
        if (saz == saz::bilinmeyen || saz == saz::sinüs) throw GMTablosuHatası("no sampled instrument " + s[0]);
        if (s[1] != "held" && s[1] != "tremolo") throw GMTablosuHatası(s[0] + ": playing is held or tremolo");
        sesler.push_back({saz, s[1] == "tremolo", sayı(s[2], 0, 128), sayı(s[3], 0, 127), örnekSayısı(s[4])});
    }
    std::set<int> sazlar;
    for (const SazSesi& s : sesler) sazlar.insert(s.saz);
    if (sazlar.size() != sesler.size() || sazlar.size() != saz::son)
        throw GMTablosuHatası(yol.string() + ": every instrument once");
    return sesler;
}

std::vector<VuruşSesi> vuruşSesleriniOku(const std::filesystem::path& yol) {
    std::vector<VuruşSesi> sesler;
    for (const Alanlar& s : satırlar(yol, 7)) {
        const std::optional<int> ritim = ritimSazı(s[0]);
        if (!ritim) throw GMTablosuHatası("no rhythm instrument " + s[0]);
        sesler.push_back({*ritim, sayı(s[1], 1, 2), sayı(s[2], 0, 3), tuşlar(s[3]), sayı(s[4], 1, 127)});
    }
    std::set<std::tuple<int, int, int>> vuruşlar;
    for (const VuruşSesi& v : sesler) vuruşlar.insert({v.ritimSazı, v.takım, v.ses});
    if (vuruşlar.size() != sesler.size() || vuruşlar.size() != 3 * 2 * 4)
        throw GMTablosuHatası(yol.string() + ": every stroke once");
    return sesler;
}

}  // namespace selvika
