#include "edit/key_rules.h"

#include <algorithm>
#include <array>

#include "edit/articulations.h"
#include "edit/cursor.h"
#include "edit/element_clipboard.h"
#include "edit/element_gap.h"
#include "edit/groups.h"
#include "edit/note_entry.h"
#include "edit/slurs.h"
#include "edit/spans.h"
#include "edit/triplets.h"

namespace selvika::tuşlar {

namespace {

inline constexpr int noktaKayması = 6;
inline constexpr int oktav = 7;

// The accidental keys step through a cycle; a value outside it starts the
// cycle at its second step.
inline constexpr std::array<Integer, 4> bemolDöngüsü{0, -5, -4, -1};
inline constexpr std::array<Integer, 4> diyezDöngüsü{0, 4, 5, 1};
inline constexpr std::array<Integer, 2> bekarDöngüsü{0, 15};

Integer sonraki(std::span<const Integer> döngü, Integer değer) {
    const auto bul = std::find(döngü.begin(), döngü.end(), değer);
    if (bul == döngü.end()) return döngü[1];
    return std::next(bul) == döngü.end() ? döngü[0] : *std::next(bul);
}

template <const auto& döngü>
void arızaDöndür(Bağlam& b) {
    b.eleman().arıza.arıza = sonraki(döngü, b.eleman().arıza.arıza);
}

void imleçTaşı(Bağlam& b, int j) {
    if (j >= 1 && j <= b.satır.elemanSayısı) imleçKoy(b.satır, j);
}

bool konumda(int tür) { return tür >= 1 && tür <= tür::sonNota; }

// Every note of the cursor's group one position, or none of them.
void gurubuKaydır(Bağlam& b, int adım) {
    const GurupSınırı g = gurupSınırı(b.satır, b.imleç);
    for (int j = g.ilk; j <= g.son; ++j)
        if (b.satır.elemanlar[j].nota() && !konumda(b.satır.elemanlar[j].tür + adım)) return;
    for (int j = g.ilk; j <= g.son; ++j)
        if (b.satır.elemanlar[j].nota()) b.satır.elemanlar[j].tür = static_cast<Byte>(b.satır.elemanlar[j].tür + adım);
}

void oktavKaydır(Bağlam& b, int adım) {
    Eleman& e = b.eleman();
    if (e.gurup.gurupYeri != 0 || !konumda(e.tür + adım)) return;
    e.tür = static_cast<Byte>(e.tür + adım);
    sapHarfiKoy(e, sapHarfi(e.tür));
}

void perdeKaydır(Bağlam& b, int yön) {
    if (b.basış.shift) {
        if (b.eleman().gurup.gurupYeri != 0) gurubuKaydır(b, yön);
    } else if (b.basış.ctrl) {
        oktavKaydır(b, yön * oktav);
    } else if (konumda(b.eleman().tür + yön)) {
        b.eleman().tür = static_cast<Byte>(b.eleman().tür + yön);
    }
}

// A "p" note's stem hangs on the left with its flag under the head; the
// dot goes where an up stem's flag would be, so the note moves right by
// the horizontal offset of its drawing to keep the dot clear of the next.
void noktaDeğiştir(Bağlam& b) {
    Eleman& e = b.eleman();
    e.nokta = e.nokta == 1 ? 0 : 1;
    if (sapHarfi(e) == sapPes) e.konum.xKayma = static_cast<Integer>(e.konum.xKayma + (e.nokta ? 1 : -1) * noktaKayması);
}

void çizgiEkle(Bağlam& b) {
    if (b.satır.elemanSayısı >= enFazlaEleman) return;
    const int yer = b.satır.elemanSayısı + 1;
    boşlukAç(b.satır, yer - 1, 1);
    b.satır.elemanlar[yer] = çizgiElemanı(b.durum.çizgiTürü ? b.durum.çizgiTürü : varsayılanÇizgi);
    imleçKoy(b.satır, yer);
}

// Deleting one element never leaves half a span, a group or a triplet.
void elemanSil(Bağlam& b) {
    trioleiptal(b.satır, b.imleç);
    bagiptal(b.satır, b.imleç);
    GurupTemizle(b.satır, {b.imleç, b.imleç});
    elemanlarıSil(b.satır, b.imleç, b.imleç);
    imleçKoy(b.satır, std::min<int>(b.imleç, b.satır.elemanSayısı));
}

void heceDeğiştir(Bağlam& b) {
    Eleman& e = b.eleman();
    if (e.hece == 0) {
        e.hece = 1;
        return;
    }
    e.hece = 0;
    hececiziptal(b.satır, b.imleç);
}

void süreDeğiştir(Bağlam& b, bool kısalt) {
    Byte& süre = b.eleman().süre;
    if (kısalt && süre >= 1 && süre < 64) süre = static_cast<Byte>(süre * 2);
    if (!kısalt && süre > 1) süre = static_cast<Byte>(süre / 2);
}

using enum Koşul;

const std::array tablo{
    Kural{Tuş::yukarı, nota, [](Bağlam& b) { perdeKaydır(b, -1); }},
    Kural{Tuş::aşağı, nota, [](Bağlam& b) { perdeKaydır(b, +1); }},
    Kural{Tuş::sol, yok, [](Bağlam& b) { imleçTaşı(b, std::max(b.imleç - 1, 1)); }, true},
    Kural{Tuş::sağ, yok, [](Bağlam& b) { imleçTaşı(b, b.imleç + 1); }, true},
    Kural{Tuş::başa, yok,
          [](Bağlam& b) {
              if (b.satır.elemanSayısı >= 2) imleçTaşı(b, b.satır.elemanlar[1].tür == tür::donanım ? 2 : 1);
          },
          true},
    Kural{Tuş::sona, yok,
          [](Bağlam& b) {
              if (b.satır.elemanSayısı >= 2) imleçTaşı(b, b.satır.elemanSayısı);
          },
          true},
    Kural{Tuş::boşluk, yok, çizgiEkle},
    Kural{Tuş::nokta, nota, noktaDeğiştir},
    Kural{Tuş::B, imleç, arızaDöndür<bemolDöngüsü>},
    Kural{Tuş::D, imleç, arızaDöndür<diyezDöngüsü>},
    Kural{Tuş::N, imleç, arızaDöndür<bekarDöngüsü>},
    Kural{Tuş::K, türEnFazla32, [](Bağlam& b) { süreDeğiştir(b, true); }},
    Kural{Tuş::U, türEnFazla32, [](Bağlam& b) { süreDeğiştir(b, false); }},
    Kural{Tuş::E, nota, [](Bağlam& b) { susYap(b.satır, b.imleç, b.etkileşim); }},
    Kural{Tuş::sil, imleç, elemanSil},
    Kural{Tuş::A, nota, [](Bağlam& b) { artikülasyon::arşeDöndür(b.eleman()); }},
    Kural{Tuş::M, nota, [](Bağlam& b) { artikülasyon::mızrapDöndür(b.eleman()); }},
    Kural{Tuş::P, türEnFazla32, [](Bağlam& b) { artikülasyon::puadorkDöndür(b.eleman()); }},
    Kural{Tuş::T, nota, [](Bağlam& b) { artikülasyon::tremoloKoy(b.eleman()); }},
    Kural{Tuş::Y, nota, [](Bağlam& b) { artikülasyon::yarımBağDeğiştir(b.eleman()); }},
    Kural{Tuş::H, nota, heceDeğiştir},
    Kural{Tuş::C, nota, [](Bağlam& b) { sapÇevir(b.satır, b.imleç, b.etkileşim); }},
    Kural{Tuş::G, nota, [](Bağlam& b) { bagiptal(b.satır, b.imleç); }},
    Kural{Tuş::L, nota, [](Bağlam& b) { uçYaylarınıKaldır(b.satır, b.imleç); }},
    Kural{Tuş::O, nota, [](Bağlam& b) { dolapiptal(b.satır, b.imleç); }},
    Kural{Tuş::S, türEnFazla31, [](Bağlam& b) { saziptal(b.satır, b.imleç); }},
    Kural{Tuş::tuşTakımıArtı, notaSonÜyeDeğil, [](Bağlam& b) { kirişYükselt(b.satır, b.imleç); }},
    Kural{Tuş::tuşTakımıEksi, notaSonÜyeDeğil, [](Bağlam& b) { kirişEğ(b.satır, b.imleç); }},
    Kural{Tuş::tuşTakımıBölü, imleç, [](Bağlam& b) { gurubuBöl(b.satır, b.imleç); }},
    Kural{Tuş::tuşTakımıÇarpı, imleç, [](Bağlam& b) { guruplarıBirleştir(b.satır, b.imleç); }},
};

}  // namespace

std::span<const Kural> kurallar() { return tablo; }

}  // namespace selvika::tuşlar
