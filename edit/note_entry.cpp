#include "edit/note_entry.h"

#include "edit/articulations.h"
#include "edit/cursor.h"
#include "edit/element_gap.h"
#include "edit/spans.h"
#include "rhythm/durations.h"

namespace selvika {

namespace {

inline constexpr Byte ortaKonum = 14;
inline constexpr Byte varsayılanBoyut = 30;
inline constexpr Byte çizgiGenişliği = 5;

std::string_view yazmaEngeli(const Satır& s, int imleç) {
    if (s.elemanSayısı + 1 > enFazlaEleman) return satırDoldu;
    if (imleç < 1) return {};
    const Eleman& e = s.elemanlar[imleç];
    if (e.gurup.gurupYeri == gurupYeri::ilk || e.gurup.gurupYeri == gurupYeri::iç) return "gurup içine yazılamaz";
    if (e.triole.trioleYeri == trioleYeri::ilk || e.triole.trioleYeri == trioleYeri::orta)
        return "Triole içine yazılamaz";
    return {};
}

// The note a new one takes its pitch and size from: the cursor's, or the
// nearest to its left.
int örnekNota(const Satır& s, int imleç) {
    for (int j = imleç; j >= 1; --j)
        if (s.elemanlar[j].nota()) return j;
    return 0;
}

bool aralıkUcu(const Eleman& e) {
    for (Aralık a : tümAralıklar) {
        const Byte işaret = aralıkİşareti(e, a);
        if (işaret == yayDurumu::başlangıç || işaret == yayDurumu::bitiş) return true;
    }
    return e.heceAralığı.durum == yayDurumu::başlangıç || e.heceAralığı.durum == yayDurumu::bitiş;
}

// A rest takes no dot of its own here, and bowing, puadork and piçikato
// marks mean nothing on it.
bool susOlamaz(const Eleman& e) {
    using namespace artikülasyon;
    return e.nokta == 1 || tremolo(e) || arşe(e) != 0 || puadorkVar(e) || piçikatoVar(e) || aralıkUcu(e);
}

}  // namespace

int notaYaz(Satır& satır, int imleç, Byte süre, Etkileşim& etkileşim) {
    if (const std::string_view engel = yazmaEngeli(satır, imleç); !engel.empty()) {
        etkileşim.mesaj(engel);
        return 0;
    }
    const int örnek = örnekNota(satır, imleç >= 1 ? imleç : satır.elemanSayısı);
    const int yer = imleç >= 1 ? imleç + 1 : satır.elemanSayısı + 1;
    boşlukAç(satır, yer - 1, 1);
    Eleman& e = satır.elemanlar[yer];
    e.tür = örnek ? satır.elemanlar[örnek].tür : ortaKonum;
    e.boyut = örnek ? satır.elemanlar[örnek].boyut : varsayılanBoyut;
    e.süre = süre;
    sapHarfiKoy(e, sapHarfi(e.tür));
    e.genişlik = notaGenişliği(sapHarfi(e), süre);
    imleçKoy(satır, yer);
    return yer;
}

Eleman susElemanı(Byte süre) {
    Eleman e;
    e.tür = tür::sus;
    e.boyut = varsayılanBoyut;
    e.süre = süre;
    sapHarfiKoy(e, sapHarfi(ortaKonum));
    e.genişlik = notaGenişliği(sapHarfi(e), süre);
    return e;
}

Eleman çizgiElemanı(Byte tür) {
    Eleman e;
    e.tür = tür;
    e.genişlik = çizgiGenişliği;
    return e;
}

bool susYap(Satır& satır, int j, Etkileşim& etkileşim) {
    Eleman& e = satır.elemanlar[j];
    if (!e.nota() || susOlamaz(e)) return false;
    if (e.hece != 0) {
        etkileşim.mesaj(heceKayacak);
        e.hece = 0;
    }
    e.tür = tür::sus;
    return true;
}

}  // namespace selvika
