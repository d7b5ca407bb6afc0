#include "render/engraved_spacing.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "render/accidental_glyphs.h"
#include "render/bar_lines.h"
#include "render/syllables.h"

namespace selvika {
namespace {

constexpr double birim = 10.0;           // line units a staff space
constexpr double artış = 1.2 * birim;    // what each doubling of a duration adds
constexpr double başEni = 11.8, tamNotaEni = 16.9;
constexpr double bayrakUcu = başEni + 10.6;  // a flag hung on a stem standing up
constexpr double noktaUcu = 19;              // the dot after a head
constexpr double arızaPayı = 0.3 * birim;    // between an accidental and its head
constexpr double notaPayı = 0.5 * birim;     // between the ink of two notes
constexpr double işaretPayı = 1.0 * birim;   // around bar lines, key signatures and usul numerals

// Attached notes and the two pull-back kinds keep their stored place beside
// the element before them and take no room of their own.
bool yanındaDurur(const Eleman& e) {
    return e.takıKonumu == 900 || e.takıKonumu == 1900 || e.takıKonumu == 2900 || e.tür == 35 || e.tür == 36;
}

bool süreli(const Eleman& e) { return (e.nota() || e.tür == tür::sus) && e.boyut != 15; }

double süresi(const Eleman& e) {
    if (e.süreBirim > 0) return e.süreBirim;
    return 128.0 / std::max<int>(e.süre, 1) * (e.nokta == 1 ? 1.5 : 1);
}

bool işaret(const Eleman& e) { return !e.nota() && e.tür != tür::sus; }

// How far an element's ink reaches left and right of its x.
struct Kapsam {
    double sol = 0, sağ = 0;
};

double arızaEni(const Eleman& e) {
    const int kod = arızaGlifi(e.arıza.arıza);
    if (kod == 0) return 0;
    double en = arızaGlifEni(kod);
    if (e.arıza.parantezli) en += 2 * arızaGlifEni('[');
    if (e.arıza.bekarlı && kod != 'z') en += arızaGlifEni('z');
    return en * birim + arızaPayı - e.arıza.arızaAyarı;
}

Kapsam kapsamı(const Eleman& e) {
    const double nokta = e.nokta == 1 ? noktaUcu : 0;
    if (e.tür == tür::sus) return {0, std::max<double>(e.genişlik, başEni) + (nokta ? 7 : 0)};
    if (!e.nota()) return {0, double(e.genişlik)};
    const double ölçek = e.boyut == 15 ? 0.5 : 1;
    const bool tam = e.süre == 1;
    const bool bayrak = e.süre >= 8 && e.gurup.gurupYeri == 0 && e.sapYönü != Text<1>("p");
    const double sağ = tam ? tamNotaEni + (nokta ? nokta - başEni + 5 : 0) : std::max({başEni, nokta, bayrak ? bayrakUcu : 0});
    return {arızaEni(e) * ölçek, sağ * ölçek};
}

double başOrtası(const Eleman& e) { return (e.süre == 1 ? tamNotaEni : başEni) / 2; }

// One gap between neighbouring points of the line: its least length and its
// duration spring; stretched by s it is max(en, s × yay).
struct Yay {
    double en = 0, yay = 0;
};

double toplam(const std::vector<Yay>& y, std::size_t a, std::size_t b, double s) {
    double t = 0;
    for (std::size_t i = a; i < b; ++i) t += std::max(y[i].en, s * y[i].yay);
    return t;
}

// The least stretch s that makes the gaps a..b-1 reach `hedef`.
double gerilme(const std::vector<Yay>& y, std::size_t a, std::size_t b, double hedef) {
    double alt = 0, üst = 1;
    while (toplam(y, a, b, üst) < hedef) {
        üst *= 2;
        if (üst > 1e6) return üst;
    }
    for (int k = 0; k < 50; ++k) {
        const double orta = (alt + üst) / 2;
        (toplam(y, a, b, orta) < hedef ? alt : üst) = orta;
    }
    return üst;
}

// Gaps a..b-1 made to reach `hedef` at least, each growing in proportion to
// its natural length.
void genişlet(std::vector<Yay>& y, std::size_t a, std::size_t b, double hedef) {
    if (toplam(y, a, b, 0) >= hedef) return;
    std::vector<Yay> doğal(y.begin(), y.end());
    for (Yay& d : doğal) d.yay = std::max(d.en, d.yay);
    const double s = gerilme(doğal, a, b, hedef);
    for (std::size_t i = a; i < b; ++i) y[i].en = std::max(y[i].en, s * doğal[i].yay);
}

// The shortest duration commonly found in the line: the shortest held by two
// elements at least, so that one short note does not widen the whole line.
double enKısaSüre(const Satır& satır, const std::vector<int>& zincir) {
    std::vector<double> süreler;
    for (int i : zincir)
        if (süreli(satır.elemanlar[i])) süreler.push_back(süresi(satır.elemanlar[i]));
    if (süreler.empty()) return 32;
    std::ranges::sort(süreler);
    for (std::size_t i = 1; i < süreler.size(); ++i)
        if (süreler[i] == süreler[i - 1]) return süreler[i];
    return süreler.front();
}

double yayı(const Eleman& e, double enKısa) {
    if (!süreli(e)) return 0;
    return artış * std::max(1.0, 2 + std::log2(süresi(e) / enKısa));
}

double aradakiPay(const Eleman& a, const Eleman& b) {
    if (işaret(a) || işaret(b)) return işaretPayı;
    return notaPayı;
}

// The points of the line are the area's start, the placed elements (zincir)
// and the area's end; gap k runs from point k to point k + 1.
std::vector<Yay> yaylar(const Satır& satır, const std::vector<int>& zincir) {
    const double enKısa = enKısaSüre(satır, zincir);
    std::vector<Yay> y(zincir.size() + 1);
    y[0].en = kapsamı(satır.elemanlar[zincir[0]]).sol + 0.5 * birim;
    for (std::size_t k = 0; k < zincir.size(); ++k) {
        const Eleman& e = satır.elemanlar[zincir[k]];
        y[k + 1].yay = yayı(e, enKısa);
        if (k + 1 == zincir.size()) {
            y[k + 1].en = kapsamı(e).sağ + (işaret(e) ? 0 : işaretPayı);
            continue;
        }
        const Eleman& sonraki = satır.elemanlar[zincir[k + 1]];
        y[k + 1].en = kapsamı(e).sağ + aradakiPay(e, sonraki) + kapsamı(sonraki).sol;
    }
    return y;
}

// Every verse row's neighbouring syllables keep `heceBoşluğu` apart, each
// centred under its head; the first and the last stay within the area.
void heceleriSığdır(const Satır& satır, const std::vector<int>& zincir, const GravürGirdisi& g,
                    std::vector<Yay>& y) {
    if (!g.heceEni) return;
    for (int r = 0; r < ayetSatırı; ++r) {
        std::size_t önceki = 0;  // the point of the previous syllable; 0 the area's start
        double öncekiYarı = 0, öncekiOrta = 0, boşluk = 0;
        for (std::size_t k = 0; k < zincir.size(); ++k) {
            const double en = g.heceEni(zincir[k], r);
            if (en <= 0) continue;
            const double orta = başOrtası(satır.elemanlar[zincir[k]]);
            genişlet(y, önceki, k + 1, öncekiYarı + en / 2 + boşluk + öncekiOrta - orta);
            önceki = k + 1, öncekiYarı = en / 2, öncekiOrta = orta;
            boşluk = g.tireli && g.tireli(zincir[k], r) ? g.tireBoşluğu : g.heceBoşluğu;
        }
        if (önceki != 0) genişlet(y, önceki, y.size(), öncekiOrta + öncekiYarı);
    }
}

std::vector<int> zinciri(const Satır& satır, int ilk, int son) {
    std::vector<int> z;
    for (int i = ilk; i <= son; ++i)
        if (!yanındaDurur(satır.elemanlar[i])) z.push_back(i);
    return z;
}

}  // namespace

GravürSonucu gravürAralıkları(const Satır& satır, const GravürGirdisi& girdi, int ilk, int son) {
    const int adet = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    if (son < 1 || son > adet) son = adet;
    GravürSonucu sonuç{std::vector<double>(adet + 1, 0.0), true};
    const std::vector<int> zincir = zinciri(satır, std::max(ilk, 1), son);
    if (zincir.empty()) return sonuç;
    std::vector<Yay> y = yaylar(satır, zincir);
    heceleriSığdır(satır, zincir, girdi, y);
    const double W = girdi.sağ - girdi.sol;
    const double s = gerilme(y, 0, y.size(), W);
    sonuç.enAz = toplam(y, 0, y.size(), 0);
    sonuç.doğal = toplam(y, 0, y.size(), 1);
    sonuç.sığdı = sonuç.enAz <= W + 1e-6;
    double x = girdi.sol;
    for (std::size_t k = 0; k < zincir.size(); ++k) {
        x += std::max(y[k].en, s * y[k].yay);
        sonuç.x[zincir[k]] = x;
    }
    // What stays beside its neighbour keeps its stored distance from it; in
    // front of the system, it stands at the area's start.
    for (int i = std::max(ilk, 1); i <= son; ++i)
        if (yanındaDurur(satır.elemanlar[i]))
            sonuç.x[i] = i == std::max(ilk, 1) ? girdi.sol
                                                : sonuç.x[i - 1] + satır.elemanlar[i].konum.x - satır.elemanlar[i - 1].konum.x;
    return sonuç;
}

std::vector<ElemanAralığı> sistemlereBöl(const Satır& satır, const GravürGirdisi& girdi) {
    const int adet = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    const double W = girdi.sağ - girdi.sol;
    std::vector<ElemanAralığı> sistemler;
    int ilk = 1;
    for (GravürSonucu kalan; ilk <= adet && !(kalan = gravürAralıkları(satır, girdi, ilk, adet)).sığdı;) {
        // Of the bar lines up to which a system fits, the one that leaves
        // the rest an equal share of the systems still needed.
        const double pay = kalan.enAz / std::ceil(kalan.enAz / W);
        int çizgi = 0;
        double fark = 0;
        for (int j = ilk; j < adet; ++j) {
            if (ölçüÇizgisiTürü(satır.elemanlar[j].tür) == ÇizgiTürü::yok) continue;
            const GravürSonucu parça = gravürAralıkları(satır, girdi, ilk, j);
            if (!parça.sığdı) break;
            if (çizgi == 0 || std::abs(parça.enAz - pay) < fark) çizgi = j, fark = std::abs(parça.enAz - pay);
        }
        if (çizgi == 0) break;
        sistemler.push_back({ilk, çizgi});
        ilk = çizgi + 1;
    }
    if (ilk <= adet) sistemler.push_back({ilk, adet});
    return sistemler;
}

Sistem sistemSatırı(const Satır& satır, ElemanAralığı aralık) {
    const int adet = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    Satır sistem = satır;
    int n = 0;
    if (aralık.ilk > 1)
        for (int i = aralık.ilk - 1; i >= 1; --i)
            if (satır.elemanlar[i].tür == tür::donanım) {
                sistem.elemanlar[++n] = satır.elemanlar[i];
                sistem.elemanlar[n].hece = 0;
                break;
            }
    const int önde = n;
    for (int i = aralık.ilk; i <= std::min(aralık.son, adet); ++i) sistem.elemanlar[++n] = satır.elemanlar[i];
    const int kayma = aralık.ilk - 1 - önde;
    sistem.elemanSayısı = static_cast<Byte>(n);
    if (aralık.son < adet) sistem.satırSonu = satırSonuTürü::yalın;
    // The syllables of the elements before the system stay with them.
    int önceki = 0;
    for (int i = 1; i < aralık.ilk; ++i) önceki += satır.elemanlar[i].hece == 1;
    for (int r = 1; r <= ayetSatırı; ++r) {
        std::string kalan = satır.güfteSatırları[r].trimmed();
        for (int k = 0; k < önceki && !kalan.empty(); ++k) {
            const auto boşluk = kalan.find(' ');
            kalan = boşluk == std::string::npos ? std::string{} : kalan.substr(boşluk + 1);
        }
        sistem.güfteSatırları[r] = Text<100>(kalan);
    }
    return {sistem, kayma};
}

namespace {

// The element's value of the kind that stands last before `son`; -1 where none does.
int sonDeğer(const Satır& satır, int son, Byte t) {
    for (int i = son; i >= 1; --i)
        if (satır.elemanlar[i].tür == t) return satır.elemanlar[i].usulNo;
    return -1;
}

// The opening key signatures and usul numerals of `satır` that repeat what
// stands at the end of `önceki`.
int tekrarlananBaş(const Satır& önceki, const Satır& satır) {
    int i = 1;
    while (i <= satır.elemanSayısı) {
        const Eleman& e = satır.elemanlar[i];
        if ((e.tür != tür::donanım && e.tür != tür::usul) || e.usulNo != sonDeğer(önceki, önceki.elemanSayısı, e.tür)) break;
        ++i;
    }
    return i - 1;
}

// The syllables each element takes, row by row, so that a row shorter than
// its elements keeps the later ones empty by placeholders.
std::string heceDizisi(const Satır& satır, int r, int ilk) {
    const auto dağılım = heceleriDağıt(satır);
    std::string dizi;
    for (int i = ilk; i <= satır.elemanSayısı; ++i) {
        if (satır.elemanlar[i].hece != 1) continue;
        const std::string& h = dağılım[i][r];
        dizi += (dizi.empty() ? "" : " ") + (h.empty() ? std::string("Q") : h);
    }
    return dizi;
}

}  // namespace

void ifadeleriTaşı(const Satır& önce, const Satır& sonra, ElemanAralığı aralık, int kayma, Satır& hedef) {
    const auto x = [](const Eleman& e) { return e.konum.x + e.konum.xKayma; };
    for (int k = 1; k <= 3; ++k) {
        İfade& ifade = hedef.ifadeler[k];
        if (!ifade.kullanımda()) continue;
        int çapa = 1;
        for (int i = 2; i <= std::min<int>(önce.elemanSayısı, sonElemanYuvası); ++i)
            if (x(önce.elemanlar[i]) <= ifade.konum1) çapa = i;
        const int j = çapa - kayma;
        if (çapa < aralık.ilk || çapa > aralık.son || j < 1 || j > sonra.elemanSayısı) {
            ifade = İfade{};
            continue;
        }
        ifade.konum1 = static_cast<Integer>(std::max(1, ifade.konum1 + x(sonra.elemanlar[j]) - x(önce.elemanlar[çapa])));
    }
}

std::optional<Sistem> birleşikSistem(const Sistem& önceki, const Satır& satır, int satırNo) {
    const Satır& a = önceki.satır;
    const int atlanan = tekrarlananBaş(a, satır);
    const int adet = a.elemanSayısı + satır.elemanSayısı - atlanan;
    bool ifadeli = false;
    for (int k = 1; k <= 3; ++k) ifadeli |= satır.ifadeler[k].kullanımda();
    const bool çizgisiz = kapanışÇizgisi(a) != ÇizgiTürü::yok && !çizgiyleBiter(a);
    if (önceki.ekBaşı != 0 || adet > sonElemanYuvası - 1 || ifadeli || çizgisiz) return std::nullopt;
    Sistem s = önceki;
    for (int i = atlanan + 1; i <= satır.elemanSayısı; ++i) s.satır.elemanlar[i - atlanan + a.elemanSayısı] = satır.elemanlar[i];
    for (int r = 0; r < ayetSatırı; ++r) {
        std::string ilk = heceDizisi(a, r, 1), ikinci = heceDizisi(satır, r, atlanan + 1);
        const auto boşMu = [](const std::string& d) { return d.find_first_not_of("Q ") == std::string::npos; };
        if (boşMu(ikinci)) ikinci.clear();
        if (boşMu(ilk) && ikinci.empty()) ilk.clear();
        const std::string birlikte = ilk + (ilk.empty() || ikinci.empty() ? "" : " ") + ikinci;
        if (toCodePage(birlikte).size() > 100) return std::nullopt;
        s.satır.güfteSatırları[r + 1] = Text<100>(birlikte);
    }
    s.ekBaşı = a.elemanSayısı + 1;
    s.ekSatır = satırNo;
    s.ekKayma = atlanan - a.elemanSayısı;
    s.satır.elemanSayısı = static_cast<Byte>(adet);
    s.satır.satırSonu = satır.satırSonu;
    s.satır.heceKayması = std::max(a.heceKayması, satır.heceKayması);
    return s;
}

}  // namespace selvika
