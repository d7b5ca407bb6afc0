#include "analysis/score_key_signature.h"

#include <algorithm>

#include "pitch/key_signatures.h"

namespace selvika {

EserDonanımı eserDonanımı(const Eser& eser) {
    EserDonanımı donanım;
    bool bulundu = false;
    for (const Satır& satır : eser.satırlar) {
        for (int i = 1; i <= std::min<int>(satır.elemanSayısı, sonElemanYuvası); ++i) {
            const Eleman& e = satır.elemanlar[i];
            if (e.tür != tür::donanım) continue;
            if (!bulundu) {
                donanım.kod = e.usulNo;
                bulundu = true;
            } else if (e.usulNo != donanım.kod) {
                donanım.tek = false;
                return donanım;
            }
        }
    }
    return donanım;
}

Donanım donanımDeğerleri(Byte kod, const KullanıcıDonanımı& kullanıcı) {
    if (kod == kullanıcıTanımlı) return kullanıcı.değerler;
    Donanım değerler{};
    for (const DonanımArızası& a : donanımArızaları(kod))
        değerler[static_cast<std::size_t>(a.harf)] = static_cast<Integer>(a.değer);
    return değerler;
}

std::optional<Donanım> eskiDonanım(const EserDonanımı& donanım, const KullanıcıDonanımı& kullanıcı) {
    if (!donanım.tek) return std::nullopt;
    return donanımDeğerleri(donanım.kod, kullanıcı);
}

std::string_view donanımMesajı(const EserDonanımı& donanım) {
    if (!donanım.tek) return {};
    if (donanım.kod == 0) return donanımYokMesajı;
    if (donanım.kod == kullanıcıTanımlı) return kullanıcıDonanımıMesajı;
    return {};
}

void donanımıBildir(const EserDonanımı& donanım, Etkileşim& etkileşim) {
    const std::string_view metin = donanımMesajı(donanım);
    if (!metin.empty()) etkileşim.mesaj(metin);
}

}  // namespace selvika
