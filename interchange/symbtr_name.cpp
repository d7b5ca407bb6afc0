#include "interchange/symbtr_name.h"

#include <array>
#include <utility>
#include <vector>

#include "pitch/key_signatures.h"

namespace selvika {
namespace {

std::vector<std::string> parçalar(std::string_view ad) {
    std::vector<std::string> p;
    for (std::size_t baş = 0;;) {
        const std::size_t son = ad.find("--", baş);
        p.emplace_back(ad.substr(baş, son == std::string_view::npos ? son : son - baş));
        if (son == std::string_view::npos) return p;
        baş = son + 2;
    }
}

// "gul_acarken" as "Gul Acarken"; a name that is only a number stays empty.
std::string sözcükler(std::string_view ad) {
    std::string metin;
    bool başta = true;
    for (char c : ad) {
        if (c == '_') {
            metin += ' ';
            başta = true;
            continue;
        }
        metin += başta && c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        başta = false;
    }
    return metin.find_first_not_of("0123456789") == std::string::npos ? std::string() : metin;
}

// The Turkish letters of the makam list folded to plain lower-case ASCII,
// everything but letters and digits left out: "KÜRDILIHICAZKAR" and
// "kurdilihicazkar" meet.
std::string katla(std::string_view ad) {
    static const std::array<std::pair<std::string_view, char>, 17> harfler{{
        {"Ü", 'u'},
        {"ü", 'u'},
        {"Ö", 'o'},
        {"ö", 'o'},
        {"Ç", 'c'},
        {"ç", 'c'},
        {"Ş", 's'},
        {"ş", 's'},
        {"Ğ", 'g'},
        {"ğ", 'g'},
        {"İ", 'i'},
        {"ı", 'i'},
        {"Â", 'a'},
        {"â", 'a'},
        {"Î", 'i'},
        {"î", 'i'},
        {"û", 'u'},
    }};
    std::string k;
    for (std::size_t i = 0; i < ad.size();) {
        bool bulundu = false;
        for (const auto& [harf, yerine] : harfler)
            if (ad.substr(i).starts_with(harf)) {
                k += yerine;
                i += harf.size();
                bulundu = true;
                break;
            }
        if (bulundu) continue;
        const char c = ad[i++];
        if (c >= 'A' && c <= 'Z')
            k += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            k += c;
    }
    return k;
}

// SymbTr spells a few makams otherwise than the list.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> başkaYazılış{{
    {"beyati", "bayati"},
    {"nihavent", "nihavend"},
}};

}  // namespace

SymbTrAdı symbTrAdı(std::string_view dosyaAdı) {
    std::vector<std::string> p = parçalar(dosyaAdı);
    p.resize(std::max<std::size_t>(p.size(), 5));
    return {p[0], sözcükler(p[0]), sözcükler(p[1]), sözcükler(p[2]), sözcükler(p[3]), sözcükler(p[4])};
}

std::optional<Byte> makamınDonanımı(std::string_view makam) {
    std::string aranan = katla(makam);
    for (const auto& [symbTr, liste] : başkaYazılış)
        if (aranan == symbTr) aranan = liste;
    for (const std::string& ad : {aranan, aranan + "1"})
        for (const Makam& m : makamListesi())
            if (m.kod != kullanıcıTanımlı && katla(m.ad) == ad) return m.kod;
    return std::nullopt;
}

}  // namespace selvika
