#include "tools/usul_library/usul_text.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <string>

#include "core/code_page.h"

namespace selvika {
namespace {

constexpr int altmışDörtlük = 64;  // a whole note in sixty-fourths

// Which stroke set plays a syllable and which recording of the set.
struct Vuruş {
    std::string_view hece;
    bool pes;  // the deep set (first length) or the high set (second length)
    Byte ses;  // 0 full stroke, 1 lighter stroke, 2 soft, almost a rest
};
constexpr Vuruş vuruşlar[] = {
    {"düm", true, 0}, {"dü", true, 1}, {"tek", false, 0}, {"te", false, 0},
    {"ka", false, 1}, {"kâ", false, 1}, {"ke", false, 1}, {"hek", false, 2},
};

std::string kırp(std::string_view s) {
    auto baş = s.find_first_not_of(" \t\r");
    if (baş == std::string_view::npos) return {};
    return std::string(s.substr(baş, s.find_last_not_of(" \t\r") - baş + 1));
}

int sayı(std::string_view s, std::string_view ne) {
    int değer = 0;
    auto [son, hata] = std::from_chars(s.data(), s.data() + s.size(), değer);
    if (hata != std::errc{} || son != s.data() + s.size() || değer <= 0)
        throw UsulMetniHatası("bad " + std::string(ne) + " \"" + std::string(s) + "\"");
    return değer;
}

// "4" is a quarter, "8." a dotted eighth; the length in sixty-fourths.
int uzunluk(std::string_view değer) {
    bool noktalı = değer.ends_with('.');
    if (noktalı) değer.remove_suffix(1);
    int payda = sayı(değer, "note value");
    int süre = altmışDörtlük / payda;
    if (süre * payda != altmışDörtlük || (noktalı && süre % 2 != 0))
        throw UsulMetniHatası("note value \"" + std::string(değer) + "\" is not a whole number of sixty-fourths");
    return noktalı ? süre * 3 / 2 : süre;
}

UsulAdımı adım(const std::string& yazılı) {
    std::istringstream in(yazılı);
    std::string hece, değer, fazla;
    if (!(in >> hece >> değer) || (in >> fazla))
        throw UsulMetniHatası("a stroke is written \"düm 4\", not \"" + yazılı + "\"");
    const auto* v = std::ranges::find(vuruşlar, hece, &Vuruş::hece);
    if (v == std::end(vuruşlar)) throw UsulMetniHatası("unknown stroke \"" + hece + "\"");
    auto süre = static_cast<Byte>(uzunluk(değer));
    UsulAdımı a;
    (v->pes ? a.birinciUzunluk : a.ikinciUzunluk) = süre;
    a.vuruşSesi = v->ses;
    return a;
}

void ölçüyüOku(std::string_view ölçü, UsulKaydı& k) {
    auto bölü = ölçü.find('/');
    if (bölü == std::string_view::npos) throw UsulMetniHatası("no time signature");
    int pay = sayı(ölçü.substr(0, bölü), "numerator"), payda = sayı(ölçü.substr(bölü + 1), "denominator");
    if (pay > 255 || altmışDörtlük % payda != 0) throw UsulMetniHatası("bad time signature " + std::string(ölçü));
    k.pay = static_cast<Byte>(pay);
    k.payda = static_cast<Byte>(payda);
}

void vuruşlarıOku(const std::string& liste, UsulKaydı& k) {
    std::istringstream in(liste);
    int n = 0, toplam = 0;
    for (std::string yazılı; std::getline(in, yazılı, ',');) {
        if (++n > usulAdımSayısı) throw UsulMetniHatası("more than 180 strokes");
        k.adımlar[n] = adım(kırp(yazılı));
        toplam += k.adımlar[n].birinciUzunluk + k.adımlar[n].ikinciUzunluk;
    }
    int ölçü = k.pay * altmışDörtlük / k.payda;
    if (toplam != ölçü)
        throw UsulMetniHatası("strokes add up to " + std::to_string(toplam) + " sixty-fourths, the measure is " +
                              std::to_string(ölçü));
}

// "düyek 8/8: düm 8, te 4, ..." into a record.
UsulKaydı usul(const std::string& satır) {
    auto ikiNokta = satır.find(':');
    if (ikiNokta == std::string::npos) throw UsulMetniHatası("no \":\" after the time signature");
    std::string baş = kırp(std::string_view(satır).substr(0, ikiNokta));
    auto boşluk = baş.find_last_of(' ');
    if (boşluk == std::string::npos) throw UsulMetniHatası("a name and a time signature come before \":\"");
    std::string ad = kırp(std::string_view(baş).substr(0, boşluk));
    try {
        if (toCodePage(ad).size() > Text<40>::length) throw UsulMetniHatası("name longer than 40 characters");
        UsulKaydı k;
        k.ad = Text<40>(ad);
        // The texts this program leaves unused are blank, as every text of the file.
        k.ayrılmış2 = Text<10>();
        k.ayrılmış3 = Text<10>();
        ölçüyüOku(std::string_view(baş).substr(boşluk + 1), k);
        vuruşlarıOku(satır.substr(ikiNokta + 1), k);
        return k;
    } catch (const UsulMetniHatası& hata) {
        throw UsulMetniHatası("usul \"" + ad + "\": " + hata.what());
    }
}

}  // namespace

std::vector<UsulKaydı> usulMetniniOku(std::istream& metin) {
    std::vector<UsulKaydı> kayıtlar;
    int no = 0;
    for (std::string satır; std::getline(metin, satır);) {
        ++no;
        satır = kırp(satır.substr(0, satır.find('#')));
        if (satır.empty()) continue;
        try {
            kayıtlar.push_back(usul(satır));
        } catch (const UsulMetniHatası& hata) {
            throw UsulMetniHatası("line " + std::to_string(no) + ": " + hata.what());
        }
    }
    if (kayıtlar.size() > usulKayıtSayısı) throw UsulMetniHatası("more than 255 usuls");
    return kayıtlar;
}

}  // namespace selvika
