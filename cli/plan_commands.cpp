// plan, notes, passage-add: the performance plan from the command line.

#include <algorithm>
#include <iostream>
#include <optional>
#include <vector>

#include "audio/cesni.h"
#include "audio/instruments.h"
#include "audio/passage_list.h"
#include "audio/passage_marks.h"
#include "audio/plan_building.h"
#include "audio/rhythm_track.h"
#include "cli/command.h"
#include "cli/options.h"
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

// What passage-add is told; what is not given keeps the default of a new
// passage.
struct PasajSeçenekleri {
    std::string girdi, çıktı, ad{varsayılanAd};
    std::vector<int> ilk, son;  // line, element
    std::optional<std::string> solist, ritim;
    std::vector<std::string> eşlikler;
    std::vector<int> metronom, göçürümler, sesSeviyeleri, çeşni;
    std::optional<int> birimNota, usul, ritimSesi, kanallar;
};

CLI::Validator sazKoduDoğrulayıcısı() {
    std::string kodlar;
    for (int i = 0; i <= saz::son; ++i) kodlar += std::string(sazKodu(i)) + (i < saz::son ? ", " : " ya da SZYOK");
    return doğrulayıcı([](const std::string& k) { return k == "SZYOK" || sazNumarası(k) != saz::bilinmeyen; },
                       "bir saz kodu (" + kodlar + ")");
}

CLI::Validator ritimKodu() {
    return doğrulayıcı([](const std::string& k) { return k == "RTYOK" || ritimSazı(k); },
                       "TEFOO, BENDR, KUDUM ya da RTYOK");
}

// A line and an element, "LINE:ELEMENT".
CLI::Option* yerSeçeneği(CLI::App& u, const std::string& ad, std::vector<int>& yer) {
    return u.add_option(ad, yer)
        ->required()
        ->type_name("SATIR:ELEMAN")
        ->delimiter(':')
        ->expected(2)
        ->check(aralık(1, satırSayısı).application_index(0))
        ->check(aralık(1, sonElemanYuvası).application_index(1));
}

void seçenekleriTanımla(CLI::App& u, PasajSeçenekleri& s) {
    u.add_option("GİRDİ.EVD", s.girdi)->required();
    u.add_option("ÇIKTI.EVD", s.çıktı)->required();
    yerSeçeneği(u, "--from", s.ilk);
    yerSeçeneği(u, "--to", s.son);
    u.add_option("--name", s.ad)->type_name("AD");
    u.add_option("--soloist", s.solist)->type_name("KOD")->check(sazKoduDoğrulayıcısı());
    u.add_option("--accompaniments", s.eşlikler)->type_name("KOD,KOD,KOD")->delimiter(',')->expected(1, 3)
        ->check(sazKoduDoğrulayıcısı());
    u.add_option("--metronome", s.metronom)->type_name("M|GİRİŞ:ÇIKIŞ")->delimiter(':')->expected(1, 2)
        ->check(aralık(1, 255));
    u.add_option("--unit", s.birimNota)->type_name("4|8|16")
        ->check(doğrulayıcı([](const std::string& b) { return b == "4" || b == "8" || b == "16"; }, "4, 8 ya da 16"));
    u.add_option("--gocurum", s.göçürümler)->type_name("G|G1,G2,G3,G4")->delimiter(',')->expected(1, 4)
        ->check(aralık(0, 255));
    u.add_option("--volumes", s.sesSeviyeleri)->type_name("V1,V2,V3,V4")->delimiter(',')->expected(4)
        ->check(aralık(0, 255));
    CLI::Option* usul = u.add_option("--usul", s.usul)->type_name("N")->check(aralık(0, 255));
    u.add_option("--rhythm", s.ritim)->type_name("KOD")->check(ritimKodu())->needs(usul);
    u.add_option("--rhythm-volume", s.ritimSesi)->type_name("P")->check(aralık(0, 100));
    u.add_option("--channels", s.kanallar)->type_name("BAYT")->check(aralık(0, 255));
    u.add_option("--cesni", s.çeşni)->type_name("PERDE:CINS")->delimiter(':')->expected(2)
        ->check(aralık(0, 29).application_index(0))
        ->check(aralık(0, cinsSayısı - 1).application_index(1));
    // One göçürüm for every voice, or one each.
    u.final_callback([&s] {
        if (s.göçürümler.size() == 2 || s.göçürümler.size() == 3)
            throw CLI::ValidationError("--gocurum", "tek değerle ya da dört değerle verilmeli");
    });
}

// The given options over the new passage's defaults.
void seçenekleriYaz(const PasajSeçenekleri& s, Pasaj& p, PasajDeğeri& çeşni) {
    auto bayt = [](int n) { return static_cast<Byte>(n); };
    if (s.solist) p.solist = Text<5>(*s.solist);
    for (std::size_t i = 0; i < s.eşlikler.size(); ++i) p.eşlikler[i] = Text<5>(s.eşlikler[i]);
    if (!s.metronom.empty()) {
        p.girişMetronomu = bayt(s.metronom.front());
        p.çıkışMetronomu = bayt(s.metronom.back());
    }
    if (s.birimNota) p.birimNota = bayt(*s.birimNota);
    for (std::size_t i = 0; i < p.göçürümler.size() && !s.göçürümler.empty(); ++i)
        p.göçürümler[i] = bayt(s.göçürümler[std::min(i, s.göçürümler.size() - 1)]);
    std::ranges::transform(s.sesSeviyeleri, p.sesSeviyeleri.begin(), bayt);
    if (s.ritim) p.ritim = Text<5>(*s.ritim);
    if (s.usul) p.usulNumarası = bayt(*s.usul);
    if (s.ritimSesi) p.ritimSesi = bayt(*s.ritimSesi);
    if (s.kanallar) p.kanallar = bayt(*s.kanallar);
    if (!s.çeşni.empty()) çeşni = {bayt(s.çeşni[1]), bayt(s.çeşni[0])};
}

// The flat index of the element at the line and element.
std::optional<int> indeks(const Notalar& notalar, const std::vector<int>& yer) {
    for (int i = 1; i <= notalar.sayı(); ++i)
        if (notalar[i].satır == yer[0] && notalar[i].eleman == yer[1]) return i;
    return std::nullopt;
}

// "New passage" over the marked range, saved with the score.
int pasajEkle(std::span<const std::string> a) {
    PasajSeçenekleri s;
    CLI::App uygulama;
    seçenekleriTanımla(uygulama, s);
    const std::string kullanım = "passage-add " + std::string(pasajEkleArgümanları);
    if (!seçenekleriOku(uygulama, a, kullanım)) return yanlışKullanım;
    auto p = planıKur(s.girdi);
    if (!p) return reddedildi;
    auto ilk = indeks(p->notalar, s.ilk), son = indeks(p->notalar, s.son);
    if (!ilk || !son) {
        std::cerr << "eserde böyle bir eleman yok\nkullanım: selvika-cli " << kullanım << '\n';
        return yanlışKullanım;
    }
    EserBaşlık& b = p->eser->başlık;
    auto n = yeniPasaj(b, s.ad, p->notalar, *ilk, *son);
    if (!n) {
        std::cerr << "pasaj tablosu dolu\n";
        return reddedildi;
    }
    seçenekleriYaz(s, b.pasajlar[*n], b.pasajDeğerleri[*n]);
    Terminal terminal(std::cerr);
    pasajİşaretleriniYaz(*p->eser, terminal);
    eserKaydet(*p->eser, s.çıktı);
    return başarılı;
}

constexpr Komut komutlar[] = {
    {"plan", "EVD", "pasajları ve satır çalma kaydını icra planındaki gibi JSON olarak yazar", plan, 1},
    {"notes", "EVD", "icra planının düz nota tablosunu JSON olarak yazar", notalar, 1},
    {"passage-add", pasajEkleArgümanları, "işaretlenen aralığa yeni pasaj ekleyip kaydeder", pasajEkle, 2, true},
};

}  // namespace

std::span<const Komut> planKomutları() { return komutlar; }

}  // namespace selvika::cli
