// plan, notes, passage-add: the performance plan from the command line.

#include <charconv>
#include <iostream>
#include <map>
#include <optional>
#include <set>

#include "audio/passage_list.h"
#include "audio/passage_marks.h"
#include "audio/plan_building.h"
#include "cli/command.h"
#include "cli/score_json.h"
#include "cli/terminal.h"
#include "core/score_file.h"

namespace selvika::cli {
namespace {

// The score as performance mode sees it once opened: the line-play record
// prepared, the marks written and read back, the passages checked. What
// the window would tell the user goes to standard error.
struct İcraPlanı {
    EserPtr eser;
    Notalar notalar;
};

std::optional<İcraPlanı> planıKur(const std::string& yol) {
    EserPtr eser = eserAç(yol);
    Terminal terminal(std::cerr);
    açılanEserinPlanı(*eser, terminal);
    std::optional<Notalar> notalar = icraPlanıKur(*eser, terminal);
    if (!notalar) return std::nullopt;
    return İcraPlanı{std::move(eser), std::move(*notalar)};
}

const char* seyirAdı(Seyir s) { return s == Seyir::iniş ? "iniş" : s == Seyir::çıkış ? "çıkış" : "düz"; }

Json notaJson(int indeks, const NotaKaydı& k) {
    return {{"indeks", indeks},         {"satır", k.satır}, {"eleman", k.eleman},        {"tür", k.tür},
            {"sesindeks", k.sesindeks}, {"süre", k.süre},   {"arıza", k.arıza},          {"mikroton", k.mikroton},
            {"tremolo", k.tremolo},     {"kanal", k.kanal}, {"seyir", seyirAdı(k.seyir)}};
}

int plan(std::span<const std::string> a) {
    auto p = planıKur(a[0]);
    if (!p) return reddedildi;
    const EserBaşlık& b = p->eser->başlık;
    std::cout << Json{{"pasajlar", pasajlarJson(b)}, {"satırPasajı", pasajJson(b.satırPasajı)}}.dump(1) << '\n';
    return başarılı;
}

int notalar(std::span<const std::string> a) {
    auto p = planıKur(a[0]);
    if (!p) return reddedildi;
    Json j = Json::array();
    for (int i = 1; i <= p->notalar.sayı(); ++i) j.push_back(notaJson(i, p->notalar[i]));
    std::cout << j.dump(1) << '\n';
    return başarılı;
}

// The first caption of the passage-name menu, for a passage given no name.
constexpr std::string_view varsayılanAd = "Birinci Hane";

constexpr std::string_view pasajEkleArgümanları =
    "GİRDİ.EVD ÇIKTI.EVD --from SATIR:ELEMAN --to SATIR:ELEMAN [SEÇENEKLER]";
constexpr std::string_view pasajEkleSeçenekleri =
    "seçenekler: --name AD, --soloist KOD, --metronome M ya da GİRİŞ:ÇIKIŞ, "
    "--unit 4|8|16, --rhythm KOD, --usul N";

std::optional<int> sayı(std::string_view s, int en, int çok) {
    int n = 0;
    auto [son, hata] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (hata != std::errc{} || son != s.data() + s.size() || n < en || n > çok) return std::nullopt;
    return n;
}

// "A:B" as two numbers in the range; "A" alone as A twice when `tek` allows.
std::optional<std::pair<int, int>> çift(std::string_view s, int en, int çok, bool tek) {
    const auto iki = s.find(':');
    if (iki == std::string_view::npos) {
        auto n = tek ? sayı(s, en, çok) : std::nullopt;
        return n ? std::optional(std::pair(*n, *n)) : std::nullopt;
    }
    auto x = sayı(s.substr(0, iki), en, çok), y = sayı(s.substr(iki + 1), en, çok);
    return x && y ? std::optional(std::pair(*x, *y)) : std::nullopt;
}

// The options as "--key value" pairs; nothing for an unknown or repeated key.
std::optional<std::map<std::string, std::string>> seçenekler(std::span<const std::string> a) {
    static const std::set<std::string> bilinen = {"--from",      "--to",   "--name",   "--soloist",
                                                  "--metronome", "--unit", "--rhythm", "--usul"};
    std::map<std::string, std::string> s;
    if (a.size() % 2 != 0) return std::nullopt;
    for (std::size_t i = 0; i < a.size(); i += 2)
        if (!bilinen.contains(a[i]) || !s.emplace(a[i], a[i + 1]).second) return std::nullopt;
    if (!s.contains("--from") || !s.contains("--to")) return std::nullopt;
    return s;
}

// The flat index of the element at "LINE:ELEMENT".
std::optional<int> indeks(const Notalar& notalar, std::string_view yer) {
    auto se = çift(yer, 1, 255, false);
    for (int i = 1; se && i <= notalar.sayı(); ++i)
        if (notalar[i].satır == se->first && notalar[i].eleman == se->second) return i;
    return std::nullopt;
}

// Writes the given options over the new passage's defaults.
bool seçenekleriYaz(const std::map<std::string, std::string>& s, Pasaj& p) {
    auto değer = [&s](const char* k) { return s.contains(k) ? std::optional(s.at(k)) : std::nullopt; };
    auto kod = [](const std::string& k) { return !k.empty() && k.size() <= 5; };
    if (auto v = değer("--soloist")) {
        if (!kod(*v)) return false;
        p.solist = Text<5>(*v);
    }
    if (auto v = değer("--rhythm")) {
        if (!kod(*v)) return false;
        p.ritim = Text<5>(*v);
    }
    if (auto v = değer("--metronome")) {
        auto m = çift(*v, 1, 255, true);
        if (!m) return false;
        p.girişMetronomu = static_cast<Byte>(m->first);
        p.çıkışMetronomu = static_cast<Byte>(m->second);
    }
    if (auto v = değer("--unit")) {
        auto b = sayı(*v, 4, 16);
        if (!b || (*b != 4 && *b != 8 && *b != 16)) return false;
        p.birimNota = static_cast<Byte>(*b);
    }
    if (auto v = değer("--usul")) {
        auto u = sayı(*v, 0, 255);
        if (!u) return false;
        p.usulNumarası = static_cast<Byte>(*u);
    }
    return true;
}

int kullanımHatası() {
    std::cerr << "kullanım: selvika-cli passage-add " << pasajEkleArgümanları << '\n' << pasajEkleSeçenekleri << '\n';
    return yanlışKullanım;
}

// "New passage" over the marked range, saved with the score.
int pasajEkle(std::span<const std::string> a) {
    auto s = seçenekler(a.subspan(2));
    if (Pasaj sınama; !s || !seçenekleriYaz(*s, sınama)) return kullanımHatası();
    auto p = planıKur(a[0]);
    if (!p) return reddedildi;
    auto ilk = indeks(p->notalar, s->at("--from")), son = indeks(p->notalar, s->at("--to"));
    if (!ilk || !son) {
        std::cerr << "eserde böyle bir eleman yok\n";
        return kullanımHatası();
    }
    EserBaşlık& b = p->eser->başlık;
    const std::string ad = s->contains("--name") ? s->at("--name") : std::string(varsayılanAd);
    auto n = yeniPasaj(b, ad, p->notalar, *ilk, *son);
    if (!n) {
        std::cerr << "pasaj tablosu dolu\n";
        return reddedildi;
    }
    seçenekleriYaz(*s, b.pasajlar[*n]);
    Terminal terminal(std::cerr);
    pasajİşaretleriniYaz(*p->eser, terminal);
    eserKaydet(*p->eser, a[1]);
    return başarılı;
}

constexpr Komut komutlar[] = {
    {"plan", "EVD", "pasajları ve satır çalma kaydını icra planındaki gibi JSON olarak yazar", plan, 1},
    {"notes", "EVD", "icra planının düz nota tablosunu JSON olarak yazar", notalar, 1},
    {"passage-add", pasajEkleArgümanları, "işaretlenen aralığa yeni pasaj ekleyip kaydeder", pasajEkle, 6, true},
};

}  // namespace

std::span<const Komut> planKomutları() { return komutlar; }

}  // namespace selvika::cli
