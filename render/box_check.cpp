#include "render/box_check.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace selvika {
namespace {

using enum KutuTürü;

bool aynıEleman(const KutuBağlamı& a, const KutuBağlamı& b) {
    return a.eleman != 0 && a.satır == b.satır && a.eleman == b.eleman;
}

bool notaParçası(KutuTürü t) {
    return t == head || t == stem || t == flag || t == beam || t == accidental || t == dot || t == rest ||
           t == barline;
}
bool eğri(KutuTürü t) { return t == slur || t == tuplet || t == volta; }

// Pairs that may overlap: stems run into their beam, and the boxes of the
// sloped beams of one group lie in each other; a slur, tie, triplet curve or
// volta spans the notes under it, and its box holds theirs though its ink
// keeps clear of them (nested curves likewise); an extension line starts
// where its syllable ends.
bool izinli(KutuTürü a, KutuTürü b) {
    auto çift = [&](KutuTürü x, KutuTürü y) { return (a == x && b == y) || (a == y && b == x); };
    if (çift(beam, stem) || çift(beam, beam) || çift(extender, syllable)) return true;
    return (eğri(a) && (eğri(b) || notaParçası(b))) || (eğri(b) && notaParçası(a));
}

double örtüşme(double a0, double a1, double b0, double b1) { return std::min(a1, b1) - std::max(a0, b0); }

struct Sayım {
    const DenetimÖlçüleri& ö;
    int örnekSayısı;
    DenetimSonucu sonuç;
    std::map<std::string, int> türler;

    void ekle(Sorun s, int sayfa, const ÇizilenKutu& k, const ÇizilenKutu& öteki = {}) {
        if (sonuç.sayılar[int(s)]++ < örnekSayısı) sonuç.örnekler.push_back({s, sayfa, k, öteki});
    }

    void çarpışmalar(const SayfaKutuları& s) {
        std::vector<const ÇizilenKutu*> sıralı;
        for (const ÇizilenKutu& k : s.kutular) sıralı.push_back(&k);
        std::ranges::sort(sıralı, {}, [](const ÇizilenKutu* k) { return k->kutu.x0; });
        for (std::size_t i = 0; i < sıralı.size(); ++i) {
            const ÇizilenKutu& a = *sıralı[i];
            for (std::size_t j = i + 1; j < sıralı.size() && sıralı[j]->kutu.x0 < a.kutu.x1 - ö.pay; ++j) {
                const ÇizilenKutu& b = *sıralı[j];
                if (aynıEleman(a.ne, b.ne) || izinli(a.ne.tür, b.ne.tür)) continue;
                if (örtüşme(a.kutu.x0, a.kutu.x1, b.kutu.x0, b.kutu.x1) <= ö.pay ||
                    örtüşme(a.kutu.y0, a.kutu.y1, b.kutu.y0, b.kutu.y1) <= ö.pay)
                    continue;
                ekle(Sorun::collision, s.sayfa, a, b);
                std::string x(kutuTürüAdı(a.ne.tür)), y(kutuTürüAdı(b.ne.tür));
                if (y < x) std::swap(x, y);
                ++türler[x + "/" + y];
            }
        }
    }

    // Each syllable's centre against its note head's, across.
    void heceler(const SayfaKutuları& s) {
        std::map<std::pair<int, int>, const ÇizilenKutu*> başlar;
        for (const ÇizilenKutu& k : s.kutular)
            if (k.ne.tür == head) başlar.try_emplace({k.ne.satır, k.ne.eleman}, &k);
        for (const ÇizilenKutu& k : s.kutular) {
            if (k.ne.tür != syllable) continue;
            const auto baş = başlar.find({k.ne.satır, k.ne.eleman});
            const double orta = (k.kutu.x0 + k.kutu.x1) / 2;
            if (baş == başlar.end()) ekle(Sorun::syllable, s.sayfa, k);
            else if (std::abs(orta - (baş->second->kutu.x0 + baş->second->kutu.x1) / 2) > ö.aralık / 2)
                ekle(Sorun::syllable, s.sayfa, k, *baş->second);
        }
    }

    void kenarlar(const SayfaKutuları& s) {
        const double sol = ö.kenar - ö.pay, üst = ö.kenar - ö.pay;
        const double sağ = s.genişlik - ö.kenar + ö.pay, alt = s.yükseklik - ö.kenar + ö.pay;
        for (const ÇizilenKutu& k : s.kutular)
            if (k.kutu.x0 < sol || k.kutu.y0 < üst || k.kutu.x1 > sağ || k.kutu.y1 > alt) ekle(Sorun::margin, s.sayfa, k);
    }

    // A note drawn with two stems that do not meet: one up, one down.
    void saplar(const SayfaKutuları& s) {
        std::map<std::pair<int, int>, std::vector<const ÇizilenKutu*>> saplar;
        for (const ÇizilenKutu& k : s.kutular)
            if (k.ne.tür == stem && k.ne.eleman != 0) saplar[{k.ne.satır, k.ne.eleman}].push_back(&k);
        for (const auto& [_, liste] : saplar) {
            for (std::size_t i = 1; i < liste.size(); ++i) {
                const Kutu &a = liste[0]->kutu, &b = liste[i]->kutu;
                if (örtüşme(a.x0, a.x1, b.x0, b.x1) < 0 || örtüşme(a.y0, a.y1, b.y0, b.y1) < 0) {
                    ekle(Sorun::doublestem, s.sayfa, *liste[0], *liste[i]);
                    break;
                }
            }
        }
    }
};

}  // namespace

std::string_view sorunAdı(Sorun s) {
    static constexpr std::array<std::string_view, sorunSayısı> adlar{"collision", "syllable", "margin", "doublestem"};
    return adlar[int(s)];
}

DenetimSonucu kutularıDenetle(const std::vector<SayfaKutuları>& sayfalar, const DenetimÖlçüleri& ö,
                              int örnekSayısı) {
    Sayım sayım{ö, örnekSayısı, {}, {}};
    for (const SayfaKutuları& s : sayfalar) {
        sayım.sonuç.kutuSayısı += int(s.kutular.size());
        sayım.çarpışmalar(s);
        sayım.heceler(s);
        sayım.kenarlar(s);
        sayım.saplar(s);
    }
    sayım.sonuç.çarpışanTürler.assign(sayım.türler.begin(), sayım.türler.end());
    return sayım.sonuç;
}

}  // namespace selvika
