#include "edit/range_commands.h"

#include <array>

#include "edit/element_gap.h"

namespace selvika {
namespace {

constexpr std::array<AralıkDüğmesi, 9> düğmeler = {{
    {0, "sil", AralıkKomutu::sil},
    {1, "kop", AralıkKomutu::kop},
    {2, "taşı", AralıkKomutu::taşı},
    {6, "Tam", AralıkKomutu::tam},
    {7, "1/2", AralıkKomutu::yarım},
    {8, "0", AralıkKomutu::kanal0},
    {9, "1", AralıkKomutu::kanal1},
    {10, "2", AralıkKomutu::kanal2},
    {11, "3", AralıkKomutu::kanal3},
}};

template <class Alan>
void herElemana(Satır& satır, SeçiliAralık aralık, Alan alan, Byte değer) {
    for (int j = aralık.ilk; j <= aralık.son; ++j) satır.elemanlar[j].*alan = değer;
}

// Copy and move store the line first, so the score holds what was copied.
void kopyala(SatırEditörü& editör, ElemanPanosu& pano, SeçiliAralık aralık) {
    editör.kaydet();
    GurupTemizle(editör.tampon(), aralık);
    panoyaKopyala(editör.tampon(), aralık, pano);
}

void sil(Satır& satır, SeçiliAralık aralık) {
    GurupTemizle(satır, aralık);
    elemanlarıSil(satır, aralık.ilk, aralık.son);
}

}  // namespace

std::span<const AralıkDüğmesi> aralıkDüğmeleri() { return düğmeler; }

void Command22_Click(SatırEditörü& editör, ElemanPanosu& pano, SeçiliAralık aralık, AralıkKomutu komut) {
    Satır& satır = editör.tampon();
    if (!aralık.geçerli(satır)) return;
    switch (komut) {
        case AralıkKomutu::sil: sil(satır, aralık); break;
        case AralıkKomutu::kop: kopyala(editör, pano, aralık); break;
        case AralıkKomutu::taşı:
            kopyala(editör, pano, aralık);
            elemanlarıSil(editör.tampon(), aralık.ilk, aralık.son);
            break;
        case AralıkKomutu::tam: herElemana(satır, aralık, &Eleman::boyut, 30); break;
        case AralıkKomutu::yarım: herElemana(satır, aralık, &Eleman::boyut, 15); break;
        default: {
            const int kanal = static_cast<int>(komut) - static_cast<int>(AralıkKomutu::kanal0);
            herElemana(satır, aralık, &Eleman::kanal, static_cast<Byte>(kanal));
        }
    }
    editör.düzenlendi();
}

}  // namespace selvika
