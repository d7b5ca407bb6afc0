#include "tools/syllable_recordings/recordings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>
#include <utility>

#include "audio/frequencies.h"
#include "audio/pitch_estimate.h"
#include "audio/syllable_render.h"
#include "pitch/degrees.h"
#include "tools/syllable_recordings/stretch.h"

namespace selvika {
namespace {

constexpr float tepeDüzeyi = 0.8F;       // of full scale, for every recording alike
constexpr std::size_t girişSüresi = 88;  // samples: two milliseconds against a click at the start

// Bona speaks the size of an accidental after its word: "diyez, beş koma".
constexpr std::array<std::string_view, 14> komaSözleri = {
    "bir koma",   "iki koma",   "üç koma", "dört koma",   "beş koma",    "altı koma",  "yedi koma",
    "sekiz koma", "dokuz koma", "on koma", "on bir koma", "on iki koma", "on üç koma", "on dört koma"};
// Turkish makam notation calls the sign that cancels an accidental
// "natürel"; "bekar" spoken alone is heard as the everyday word "single".
constexpr std::string_view onBeşMetni = "natürel";

// The recording raised or lowered to the common peak, rising in over a
// click's span and dying away over its last `çıkış` samples.
ÖrnekTamponu kayda(Ses ses, std::size_t çıkış) {
    float tepe = 0;
    for (float v : ses) tepe = std::max(tepe, std::abs(v));
    const float kazanç = tepe > 0 ? tepeDüzeyi * 32767 / tepe : 0;
    auto yarımKosinüs = [](std::size_t i, std::size_t n) {
        return float(0.5 - 0.5 * std::cos(std::numbers::pi * double(i) / double(n)));
    };
    const std::size_t n = ses.size();
    for (std::size_t i = 0; i < std::min(girişSüresi, n); ++i) ses[i] *= yarımKosinüs(i, girişSüresi);
    for (std::size_t i = 0; i < std::min(çıkış, n); ++i) ses[n - 1 - i] *= yarımKosinüs(i, çıkış);
    ÖrnekTamponu örnekler(n);
    std::transform(ses.begin(), ses.end(), örnekler.begin(), [&](float v) { return Integer(std::lround(v * kazanç)); });
    return örnekler;
}

// The recording over the whole of its place, silence after it: nothing of
// an earlier one sharing the place is left.
void yerleştir(ÖrnekTamponu& dosya, HeceYeri yer, ÖrnekTamponu kayıt) {
    const auto baş = static_cast<std::size_t>(yer.başlangıç);
    const auto uzunluk = static_cast<std::size_t>(yer.uzunluk);
    kayıt.resize(uzunluk);
    dosya.resize(std::max(dosya.size(), baş + uzunluk));
    std::copy(kayıt.begin(), kayıt.end(), dosya.begin() + static_cast<std::ptrdiff_t>(baş));
}

bool harmonikVar(std::span<const Integer> örnekler, double f, int kat) {
    const auto ölçülen = frekansÖlç(örnekler, kat * f);
    return ölçülen && std::abs(sentFarkı(*ölçülen, kat * f)) < 5;
}

// The pitch of a flat-pitched syllable: the lowest partial in a voice's
// range over its middle half whose second and third harmonics stand where
// they belong. Candidates a half tone apart leave no pitch more than a
// quarter tone from one.
double temelFrekans(const Ses& hece) {
    const Ses orta(hece.begin() + std::ptrdiff_t(hece.size() / 4), hece.end() - std::ptrdiff_t(hece.size() / 4));
    ÖrnekTamponu örnekler(orta.size());
    std::transform(orta.begin(), orta.end(), örnekler.begin(), [](float v) { return Integer(std::lround(v * 16384)); });
    for (double aday = 50; aday < 500; aday *= std::exp2(1.0 / 12)) {
        const auto f = frekansÖlç(örnekler, aday);
        if (f && harmonikVar(örnekler, *f, 2) && harmonikVar(örnekler, *f, 3)) return *f;
    }
    throw std::runtime_error("the sung syllable has no steady pitch");
}

}  // namespace

double solfejFrekansı(int perdeKonumu) {
    const int k = doğalKoma(perdeKonumu);
    return k > enPestKoma ? frekanslar()[std::size_t(k - oktavKoma)] / 2.0 : frekanslar()[std::size_t(k)];
}

ÖrnekTamponu solfejKayıtları(TürkçeSes& ses) {
    std::array<std::pair<Ses, double>, harfSayısı> heceler;
    for (int h = 0; h < harfSayısı; ++h) {
        Ses hece = ses.söyle(harfAdı(static_cast<Harf>(h)), true);
        const double f = temelFrekans(hece);
        heceler[std::size_t(h)] = {std::move(hece), f};
    }
    ÖrnekTamponu dosya;
    for (int p = 1; p <= solfejKonumSayısı; ++p) {
        const auto& [hece, f] = heceler[static_cast<std::size_t>(harfi(p))];
        const HeceYeri yer = solfejHecesi(p);
        const auto uzunluk = static_cast<std::size_t>(yer.uzunluk);
        const Ses şarkı = esnet(hece, double(uzunluk) / double(hece.size()), solfejFrekansı(p) / f, uzunluk);
        yerleştir(dosya, yer, kayda(şarkı, uzunluk / 2));
    }
    return dosya;
}

ÖrnekTamponu bonaKayıtları(TürkçeSes& ses) {
    std::vector<std::pair<HeceYeri, std::string_view>> sözler;
    for (int n = 1; n <= harfSayısı; ++n) sözler.emplace_back(notaAdı(n), harfAdı(harfi(n)));
    sözler.emplace_back(artıArızaSözü(), "diyez");
    sözler.emplace_back(eksiArızaSözü(), "bemol");
    for (int c = 1; c <= int(komaSözleri.size()); ++c)
        sözler.emplace_back(komaSayısıSözü(c), komaSözleri[std::size_t(c - 1)]);
    // The count 9 shares its place with the word of code 15, which comes
    // last to keep it: no accidental is larger than 8 komas.
    sözler.emplace_back(onBeşSözü(), onBeşMetni);
    ÖrnekTamponu dosya;
    for (const auto& [yer, metin] : sözler) {
        Ses söz = ses.söyle(metin, false);
        const auto uzunluk = static_cast<std::size_t>(yer.uzunluk);
        if (söz.size() > uzunluk) söz = esnet(söz, double(uzunluk) / double(söz.size()), 1, uzunluk);
        yerleştir(dosya, yer, kayda(söz, girişSüresi));
    }
    return dosya;
}

}  // namespace selvika
