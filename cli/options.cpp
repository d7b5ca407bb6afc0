#include "cli/options.h"

#include <charconv>
#include <iostream>
#include <vector>

namespace selvika::cli {
namespace {

const CLI::Option* eksikSeçenek(const CLI::App& uygulama) {
    for (const CLI::Option* o : uygulama.get_options())
        if (o->get_required() && o->count() == 0) return o;
    return nullptr;
}

// The options given together that may not be, or given without one they need.
std::string uyuşmazlık(const CLI::App& uygulama) {
    for (const CLI::Option* o : uygulama.get_options()) {
        if (o->count() == 0) continue;
        for (const CLI::Option* d : o->get_excludes())
            if (d->count() != 0) return o->get_name() + " ile " + d->get_name() + " birlikte verilemez";
        for (const CLI::Option* d : o->get_needs())
            if (d->count() == 0) return o->get_name() + " ile birlikte " + d->get_name() + " de verilmeli";
    }
    return "seçenekler anlaşılamadı";
}

// CLI11 names the option before a colon in a count error.
std::string sayıHatası(const CLI::ParseError& hata, const CLI::App& uygulama) {
    const std::string metin = hata.what();
    const std::string ad = metin.substr(0, metin.find(':'));
    const CLI::Option* o = uygulama.get_option_no_throw(ad);
    if (!o) return "seçenekler anlaşılamadı";
    const int en = o->get_items_expected_min(), çok = o->get_items_expected_max();
    const std::string adet =
        en == çok ? std::to_string(en) : std::to_string(en) + " ile " + std::to_string(çok) + " arası";
    return ad + ": bir kez ve " + adet + " değerle verilmeli";
}

std::string hataMetni(const CLI::ParseError& hata, const CLI::App& uygulama) {
    if (dynamic_cast<const CLI::ValidationError*>(&hata)) return hata.what();
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&hata)) return sayıHatası(hata, uygulama);
    if (dynamic_cast<const CLI::RequiredError*>(&hata)) {
        const CLI::Option* eksik = eksikSeçenek(uygulama);
        return eksik ? eksik->get_name() + " verilmeli" : "seçenekler anlaşılamadı";
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&hata)) {
        std::string fazla = "beklenmeyen argüman:";
        for (const std::string& a : uygulama.remaining()) fazla += " " + a;
        return fazla;
    }
    return uyuşmazlık(uygulama);
}

void seçenekListesi(std::ostream& out, const CLI::App& uygulama) {
    std::string liste;
    for (const CLI::Option* o : uygulama.get_options())
        if (!o->get_positional() && !o->get_required())
            liste += (liste.empty() ? "" : ", ") + o->get_name() + " " + o->get_type_name();
    if (!liste.empty()) out << "seçenekler: " << liste << '\n';
}

}  // namespace

bool seçenekleriOku(CLI::App& uygulama, std::span<const std::string> argümanlar, std::string_view kullanım) {
    uygulama.set_help_flag();
    // CLI11 takes the arguments last first.
    std::vector<std::string> ters(argümanlar.rbegin(), argümanlar.rend());
    try {
        uygulama.parse(ters);
        return true;
    } catch (const CLI::ParseError& hata) {
        std::cerr << hataMetni(hata, uygulama) << "\nkullanım: selvika-cli " << kullanım << '\n';
        seçenekListesi(std::cerr, uygulama);
        return false;
    }
}

CLI::Validator doğrulayıcı(std::function<bool(const std::string&)> geçerli, std::string beklenen) {
    return CLI::Validator(
        [geçerli = std::move(geçerli), beklenen = std::move(beklenen)](std::string& değer) {
            return geçerli(değer) ? std::string() : değer + " olamaz; " + beklenen + " olmalı";
        },
        "");
}

CLI::Validator aralık(int en, int çok) {
    return doğrulayıcı(
        [en, çok](const std::string& s) {
            int n = 0;
            auto [son, hata] = std::from_chars(s.data(), s.data() + s.size(), n);
            return hata == std::errc{} && son == s.data() + s.size() && n >= en && n <= çok;
        },
        std::to_string(en) + " ile " + std::to_string(çok) + " arasında bir tam sayı");
}

}  // namespace selvika::cli
