#include "audio/passage_checks.h"

#include <algorithm>
#include <string>

#include "audio/passage_marks.h"

namespace selvika {
namespace {

void başlangıcaTaşı(Pasaj& p) {
    p.bitişİndeksi = p.başlangıçİndeksi;
    p.bitişSatırı = p.başlangıçSatırı;
    p.bitişElemanı = p.başlangıçElemanı;
}

void bitişeTaşı(Pasaj& p) {
    p.başlangıçİndeksi = p.bitişİndeksi;
    p.başlangıçSatırı = p.bitişSatırı;
    p.başlangıçElemanı = p.bitişElemanı;
}

}  // namespace

bool pasajDeğişmiş(const Pasaj& p) {
    const bool başYok = p.başlangıçElemanı == 0, sonYok = p.bitişElemanı == 0;
    return (başYok && sonYok) || (!başYok && !sonYok && p.başlangıçİndeksi > p.bitişİndeksi);
}

void pasajlarıDenetle(EserBaşlık& başlık, Etkileşim& etkileşim) {
    for (int n = 1; n <= std::min<int>(başlık.pasajSayısı, enFazlaPasaj); ++n) {
        Pasaj& p = başlık.pasajlar[n];
        const std::string numara = std::to_string(n);
        if (pasajDeğişmiş(p)) {
            etkileşim.mesaj(numara + " nolu pasajı belirleyen notalar değiştirilmiş. Tekrar tanımlamanız gerekir.");
        } else if (p.başlangıçElemanı == 0) {
            bitişeTaşı(p);
            etkileşim.mesaj(numara + " nolu pasaj başlangıcı silinmiş, bitişine göre kısaltıldı.");
        } else if (p.bitişElemanı == 0) {
            başlangıcaTaşı(p);
            etkileşim.mesaj(numara + " nolu pasaj bitişi silinmiş, başlangıcına göre kısaltıldı.");
        }
    }
}

bool pasajKullanılabilir(const Pasaj& p, Etkileşim& etkileşim) {
    if (!pasajDeğişmiş(p)) return true;
    etkileşim.mesaj("Bu pasajı belirleyen notalar değiştirilmiş. Tekrar tanımlamanız gerekir.");
    return false;
}

}  // namespace selvika
