#include "pitch/key_signature_commands.h"

#include "pitch/key_signatures.h"

namespace selvika {

bool kullanıcıDonanımıDüzenlensinMi(const KullanıcıDonanımı& kullanıcı, Etkileşim& etkileşim) {
    std::string soru = kullanıcıDonanımıVar(kullanıcı)
                           ? "Kullanıcı tanımlı bir donanım bulundu. Bu donanımı değiştirmek, \n"
                             "        daha önce eserde kullanılmış olan donanımları etkiler.       \n"
                             "                              Değiştirmek istermisiniz ?                             "
                           : "Kullanıcı tanımlı bir donanım bulunamadı. \n"
                             "       Şimdi tanımlamak istermisiniz ?         ";
    return etkileşim.mesaj(soru, donanımSorusuBaşlığı, Düğmeler::evetHayır) == Cevap::evet;
}

std::optional<Eleman> donanımElemanı(std::optional<Byte> seçilenKod, const KullanıcıDonanımı& kullanıcı,
                                     Etkileşim& etkileşim) {
    if (!seçilenKod) {
        etkileşim.mesaj(makamSeçin);
        return std::nullopt;
    }
    if (*seçilenKod == kullanıcıTanımlı && !kullanıcıDonanımıVar(kullanıcı)) {
        etkileşim.ikazYaz(kullanıcıDonanımıYok);
        return std::nullopt;
    }
    Eleman e;
    e.tür = tür::donanım;
    e.genişlik = donanımGenişliği;
    e.usulNo = *seçilenKod;
    return e;
}

}  // namespace selvika
