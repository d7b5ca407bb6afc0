#include "edit/keys.h"

#include <algorithm>
#include <array>

#include "core/score.h"
#include "edit/cursor.h"
#include "edit/groups.h"
#include "edit/key_rules.h"
#include "edit/note_entry.h"
#include "edit/slurs.h"
#include "edit/triplets.h"
#include "rhythm/durations.h"

namespace selvika {

namespace {

using tuşlar::Bağlam;
using tuşlar::Koşul;

inline constexpr std::array<Byte, 7> tuşTakımıSüreleri{64, 32, 16, 8, 4, 2, 1};

int sıra(Tuş tuş, Tuş ilk) { return static_cast<int>(tuş) - static_cast<int>(ilk); }
bool arasında(Tuş tuş, Tuş ilk, Tuş son) { return tuş >= ilk && tuş <= son; }

bool koşulTutar(Koşul koşul, Bağlam& b) {
    if (koşul == Koşul::yok) return true;
    if (b.imleç < 1 || b.imleç > b.satır.elemanSayısı) return false;
    const Eleman& e = b.eleman();
    switch (koşul) {
        case Koşul::nota: return e.nota();
        case Koşul::türEnFazla31: return e.tür <= tür::sus;
        case Koşul::türEnFazla32: return e.tür <= 32;
        case Koşul::notaSonÜyeDeğil: return e.nota() && e.gurup.gurupYeri <= gurupYeri::iç;
        default: return true;
    }
}

// Top-row 1 toggles a triplet; 2 to 9 beam as many elements ending at the
// cursor.
void rakam(Bağlam& b, int d) {
    if (d == 1) {
        if (b.imleç >= 1) trioleDeğiştir(b.satır, b.imleç, b.etkileşim);
        return;
    }
    if (b.imleç < d)
        b.etkileşim.ikazYaz("Solda yeterli nota yok !");
    else
        gurupKur(b.satır, b.imleç - d + 1, b.imleç, b.etkileşim);
}

// F2 to F12 slur the N + 1 elements ending at the cursor; F1 does nothing.
void fonksiyon(Bağlam& b, int n) {
    if (n == 0) return;
    if (b.imleç < n + 1)
        b.etkileşim.ikazYaz("solda yeterli nota yok !");
    else
        liezonYap(b.satır, b.imleç - n, b.imleç, b.etkileşim);
}

void tuşTakımı(Bağlam& b, int k) {
    if (!b.basış.shift) notaYaz(b.satır, b.imleç, tuşTakımıSüreleri[static_cast<std::size_t>(k)], b.etkileşim);
}

// The letter, arrow and editing keys by their rule; true when the key only
// moves the cursor.
bool kuralıÇalıştır(Bağlam& b);

// Runs the key; true when it only moves the cursor.
bool çalıştır(Bağlam& b) {
    const Tuş t = b.basış.tuş;
    if (arasında(t, Tuş::rakam1, Tuş::rakam9))
        rakam(b, sıra(t, Tuş::rakam1) + 1);
    else if (arasında(t, Tuş::F1, Tuş::F12))
        fonksiyon(b, sıra(t, Tuş::F1));
    else if (arasında(t, Tuş::tuşTakımı1, Tuş::tuşTakımı7))
        tuşTakımı(b, sıra(t, Tuş::tuşTakımı1));
    else
        return kuralıÇalıştır(b);
    return false;
}

bool kuralıÇalıştır(Bağlam& b) {
    const Tuş t = b.basış.tuş;
    const auto kurallar = tuşlar::kurallar();
    const auto kural = std::find_if(kurallar.begin(), kurallar.end(), [t](const auto& k) { return k.tuş == t; });
    if (kural == kurallar.end() || !koşulTutar(kural->koşul, b)) return false;
    kural->eylem(b);
    return kural->gezinme;
}

const char* modMesajı(DüzenModu mod) {
    switch (mod) {
        case DüzenModu::kresendo: return "Kreşendo modundasınız.";
        case DüzenModu::hece: return "Hece modundasınız.";
        case DüzenModu::dolap: return "Dolap modundasınız.";
        default: return nullptr;
    }
}

// The arrow keys move a picked handle one unit: a slur handle up or down,
// a label left or right; the other two leave the notes alone while it is
// picked. A handle whose slur or element part is gone is let go.
std::optional<TuşSonucu> tutamağaUygula(Satır& satır, EditörDurumu& durum, Tuş tuş) {
    if (!durum.tutamak || !arasında(tuş, Tuş::yukarı, Tuş::sağ)) return std::nullopt;
    if (!tutamakGeçerli(satır, *durum.tutamak)) {
        durum.tutamak.reset();
        return std::nullopt;
    }
    const int dx = tuş == Tuş::sol ? -1 : tuş == Tuş::sağ ? 1 : 0;
    const int dy = tuş == Tuş::yukarı ? -1 : tuş == Tuş::aşağı ? 1 : 0;
    const Satır önce = satır;
    tutamağıTaşı(satır, *durum.tutamak, dx, dy);
    return satır == önce ? TuşSonucu::yok : TuşSonucu::düzenlendi;
}

}  // namespace

TuşSonucu tuşUygula(Satır& satır, EditörDurumu& durum, Etkileşim& etkileşim, TuşBasışı basış) {
    if (const auto sonuç = tutamağaUygula(satır, durum, basış.tuş)) return *sonuç;
    const Satır önce = satır;
    Bağlam b{satır, durum, etkileşim, basış, imleç(satır)};
    const bool gezinme = çalıştır(b);
    if (satır == önce) return TuşSonucu::yok;
    if (gezinme) return TuşSonucu::imleçOynadı;
    durum.sonDüzenlenen = imleç(satır);
    return TuşSonucu::düzenlendi;
}

TuşSonucu Picture1_KeyDown(SatırEditörü& editör, EditörDurumu& durum, Etkileşim& etkileşim, TuşBasışı basış,
                           bool numLock) {
    if (!numLock) etkileşim.mesaj(numLockUyarısı);
    if (const char* mesaj = modMesajı(durum.mod)) {
        etkileşim.mesaj(mesaj);
        return TuşSonucu::yok;
    }
    const TuşSonucu sonuç = tuşUygula(editör.tampon(), durum, etkileşim, basış);
    if (sonuç == TuşSonucu::düzenlendi) editör.düzenlendi();
    return sonuç;
}

std::string imleçBaşlığı(const Satır& satır, bool capsLock) {
    if (!capsLock) return "Selvika V" + std::to_string(programSürümü);
    const int j = imleç(satır);
    return std::to_string(j) + "  nolu eleman:   " + "Triole poz." +
           std::to_string(satır.elemanlar[j].triole.trioleYeri);
}

}  // namespace selvika
