#include "pitch/key_signature_commands.h"

#include "core/line_append.h"
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

bool donanımEkle(Satır& satır, std::optional<Byte> seçilenKod, const KullanıcıDonanımı& kullanıcı,
                 Etkileşim& etkileşim) {
    if (!seçilenKod) {
        etkileşim.mesaj(makamSeçin);
        return false;
    }
    if (*seçilenKod == kullanıcıTanımlı && !kullanıcıDonanımıVar(kullanıcı)) {
        etkileşim.ikazYaz(kullanıcıDonanımıYok);
        return false;
    }
    Eleman* e = elemanEkle(satır, etkileşim);
    if (!e) return false;
    e->tür = tür::donanım;
    e->genişlik = donanımGenişliği;
    e->usulNo = *seçilenKod;
    return true;
}

}  // namespace selvika
