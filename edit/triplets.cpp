#include "edit/triplets.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "edit/groups.h"
#include "rhythm/durations.h"

namespace selvika {

namespace {

// The three positions of a triplet, seen from its last note.
struct Üçlü {
    int ilk, orta, son;
};

// Checks 3 to 5 of the toggle in order; empty when the three may be a triplet.
std::string_view üçlüEngeli(const Satır& s, int seçim) {
    const auto& e = s.elemanlar;
    if (seçim < 3) return "Önce notaları yazın.";
    if (!e[seçim - 1].nota()) return "orta eleman nota degil";
    if (!e[seçim - 2].nota()) return "ilk eleman nota degil";
    if (e[seçim].triole.trioleYeri != 0) return "seçilen nota başka bir üçleme altında";
    if (e[seçim - 1].triole.trioleYeri != 0) return "orta nota başka bir üçleme altında";
    if (e[seçim - 2].triole.trioleYeri != 0) return "ilk nota başka bir üçleme altında";
    return {};
}

// Three unbeamed notes of different values take the value the user names.
bool süreleriEşitle(Satır& s, Üçlü ü, Etkileşim& etkileşim) {
    auto& e = s.elemanlar;
    if (e[ü.ilk].süre == e[ü.orta].süre && e[ü.orta].süre == e[ü.son].süre) return true;
    const auto cevap = etkileşim.girdi(trioleSorusu, trioleBaşlığı);
    const std::array<int, 3> yerler{ü.ilk, ü.orta, ü.son};
    std::string seçim = cevap.value_or("");
    std::erase(seçim, ' ');
    if (seçim != "1" && seçim != "2" && seçim != "3") {
        etkileşim.mesaj(farklıNotalar);
        return false;
    }
    const Byte süre = e[yerler[static_cast<std::size_t>(seçim[0] - '1')]].süre;
    for (int j : yerler) e[j].süre = süre;
    return true;
}

bool gurupluÜçlü(Satır& s, Üçlü ü, Etkileşim& etkileşim) {
    if (surebul(s, ü.ilk, etkileşim) != surebul(s, ü.orta, etkileşim) ||
        surebul(s, ü.orta, etkileşim) != surebul(s, ü.son, etkileşim)) {
        etkileşim.ikazYaz("seçilen notaların süreleri eşit değil.");
        return false;
    }
    return true;
}

// Quarters stay unbeamed under their bracket; shorter notes are beamed,
// whatever the builder answers.
bool gurupsuzÜçlü(Satır& s, Üçlü ü, Etkileşim& etkileşim) {
    if (!süreleriEşitle(s, ü, etkileşim)) return false;
    if (s.elemanlar[ü.ilk].süre != 4) gurupKur(s, ü.ilk, ü.son, etkileşim);
    return true;
}

bool üçlüKur(Satır& s, Üçlü ü, Etkileşim& etkileşim) {
    const auto& e = s.elemanlar;
    const int anahtar = e[ü.ilk].gurup.gurupYeri * 100 + e[ü.orta].gurup.gurupYeri * 10 + e[ü.son].gurup.gurupYeri;
    switch (anahtar) {
        case 0: return gurupsuzÜçlü(s, ü, etkileşim);
        case 122: case 123: case 222: case 223: return gurupluÜçlü(s, ü, etkileşim);
        default:
            etkileşim.ikazYaz("seçilen yer üçleme için uygun bir yer değil.");
            return false;
    }
}

}  // namespace

bool trioleDeğiştir(Satır& satır, int s, Etkileşim& etkileşim) {
    if (!satır.elemanlar[s].nota()) {
        etkileşim.ikazYaz("seçilen eleman nota degil");
        return false;
    }
    if (satır.elemanlar[s].triole.trioleYeri != 0) {
        trioleiptal(satır, s);
        return true;
    }
    if (const std::string_view engel = üçlüEngeli(satır, s); !engel.empty()) {
        etkileşim.ikazYaz(engel);
        return false;
    }
    // Worked on a copy: an answer that refuses leaves even the dots in place.
    Satır yeni = satır;
    const Üçlü ü{s - 2, s - 1, s};
    for (int j : {ü.ilk, ü.orta, ü.son}) yeni.elemanlar[j].nokta = 0;
    if (!üçlüKur(yeni, ü, etkileşim)) return false;
    yeni.elemanlar[ü.ilk].triole.trioleYeri = trioleYeri::ilk;
    yeni.elemanlar[ü.orta].triole.trioleYeri = trioleYeri::orta;
    yeni.elemanlar[ü.son].triole.trioleYeri = trioleYeri::son;
    satır = yeni;
    return true;
}

void trioleiptal(Satır& satır, int s) {
    const int yer = satır.elemanlar[s].triole.trioleYeri;
    if (yer == 0) return;
    const int ilk = s - (yer - 1);
    for (int j = std::max(ilk, 1); j <= std::min<int>(ilk + 2, sonElemanYuvası); ++j) {
        TrioleBloğu& t = satır.elemanlar[j].triole;
        t.trioleYeri = 0;
        t.trioleDeğeri = 0;
        t.parantezYüksekliği = 0;
    }
}

}  // namespace selvika
