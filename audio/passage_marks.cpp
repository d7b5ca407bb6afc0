#include "audio/passage_marks.h"

#include <algorithm>

namespace selvika {
namespace {

int elemanSayısı(const Satır& satır) { return std::min<int>(satır.elemanSayısı, sonElemanYuvası); }

void yerleriSıfırla(Pasaj& p) {
    p.başlangıçİndeksi = p.bitişİndeksi = 0;
    p.başlangıçSatırı = p.bitişSatırı = 0;
    p.başlangıçElemanı = p.bitişElemanı = 0;
}

void işaretiOku(Byte işaret, const NotaKaydı& kayıt, int indeks, EserBaşlık& başlık, Etkileşim& etkileşim) {
    const bool bitiş = işaret > pasajBitişFarkı;
    const int n = bitiş ? işaret - pasajBitişFarkı : işaret;
    if (n < 1 || n > enFazlaPasaj) return;
    Pasaj& p = başlık.pasajlar[n];
    Byte& eleman = bitiş ? p.bitişElemanı : p.başlangıçElemanı;
    if (eleman != 0) {
        etkileşim.mesaj(bitiş ? "Pasaj bitişine mükerrer atama !" : "Pasaj başlangıcına mükerrer atama !");
        return;
    }
    eleman = kayıt.eleman;
    (bitiş ? p.bitişSatırı : p.başlangıçSatırı) = kayıt.satır;
    (bitiş ? p.bitişİndeksi : p.başlangıçİndeksi) = static_cast<Integer>(indeks);
}

// The first free slot of an element takes the mark, or the user hears that
// the element is full.
void işaretKoy(Eser& eser, int satır, int eleman, Byte işaret, const char* doluMesajı, Etkileşim& etkileşim) {
    if (satır < 1 || satır > satırSayısı || eleman < 1 || eleman > sonElemanYuvası) return;
    auto& yuvalar = eser.satırlar[satır].pasajİşaretleri[eleman];
    auto boş = std::find(yuvalar.begin(), yuvalar.end(), Byte{0});
    if (boş == yuvalar.end()) {
        etkileşim.mesaj(doluMesajı);
        return;
    }
    *boş = işaret;
}

}  // namespace

Notalar notalarıKur(Eser& eser, Etkileşim& etkileşim) {
    for (Pasaj& p : eser.başlık.pasajlar) yerleriSıfırla(p);
    Notalar notalar;
    for (int s = 1; s <= satırSayısı; ++s) {
        const Satır& satır = eser.satırlar[s];
        for (int j = 1; j <= elemanSayısı(satır); ++j) {
            notalar.ekle(notaKaydı(satır.elemanlar[j], s, j));
            for (Byte işaret : satır.pasajİşaretleri[j])
                if (işaret != 0) işaretiOku(işaret, notalar[notalar.sayı()], notalar.sayı(), eser.başlık, etkileşim);
        }
    }
    return notalar;
}

void pasajİşaretleriniYaz(Eser& eser, Etkileşim& etkileşim) {
    for (Satır& satır : eser.satırlar)
        for (auto& yuvalar : satır.pasajİşaretleri) yuvalar.fill(0);
    for (int n = 1; n <= std::min<int>(eser.başlık.pasajSayısı, enFazlaPasaj); ++n) {
        const Pasaj& p = eser.başlık.pasajlar[n];
        işaretKoy(eser, p.başlangıçSatırı, p.başlangıçElemanı, static_cast<Byte>(n), "Bas kademelerinde yer yok.",
                  etkileşim);
        işaretKoy(eser, p.bitişSatırı, p.bitişElemanı, static_cast<Byte>(n + pasajBitişFarkı),
                  "Bit kademelerinde yer yok.", etkileşim);
    }
}

}  // namespace selvika
