#include "audio/tuning_line_notes.h"

#include <algorithm>
#include <string>

#include "audio/pitch_shift.h"
#include "audio/tuning_sine_note.h"

namespace selvika {

AkortluNotaYapıcı::AkortluNotaYapıcı(AkortluNotaDeposu& depo, const AkortÇarpanları& çarpanlar,
                                   std::filesystem::path klasör, Etkileşim& etkileşim)
    : depo_(depo), çarpanlar_(çarpanlar), klasör_(std::move(klasör)), etkileşim_(etkileşim) {}

int AkortluNotaYapıcı::sazSeç(std::string_view kod) {
    const int saz = sazNumarası(kod);
    if (saz == saz::sinüs) return saz;
    if (saz == saz::bilinmeyen || !std::filesystem::exists(örnekDosyası(klasör_, saz))) {
        etkileşim_.mesaj(std::string(kod) + "   dosyası bulunamadı. Yerine SINUS kullanılacak.");
        return saz::sinüs;
    }
    return saz;
}

bool AkortluNotaYapıcı::notaYap(int kÜssü, int kayma, int saz, int elemanNo) {
    if (depo_.var(kÜssü, kayma, saz)) return true;
    const Single ft = hedefFrekans(kÜssü, kayma);
    const ÖrnekTamponu nota = saz == saz::sinüs ? sinüsNotası(ft) : blokAkortu(kÜssü, ft, saz, elemanNo);
    if (nota.empty()) return false;
    depo_.yaz(kÜssü, kayma, saz, nota);
    return true;
}

ÖrnekTamponu AkortluNotaYapıcı::blokAkortu(int kÜssü, Single ft, int saz, int elemanNo) {
    const Blok blok = blokSeç(kÜssü);
    const Single fs = frekanslar()[static_cast<std::size_t>(blok.perdeKonumu)] / çarpanlar_(saz, blok.numara);
    std::optional<ÖrnekTamponu> tampon = blokOku(klasör_, saz, blok.numara);
    if (!tampon || (ft != fs && !bloğuAkortla(*tampon, fs, ft, saz, etkileşim_))) {
        etkileşim_.mesaj(std::to_string(elemanNo) + " Bir hata oluştu, yürütme kesilecek.");
        return {};
    }
    return *tampon;
}

std::optional<ÇalınanNota> AkortluNotaYapıcı::sesliNotaYap(const SesliNota& nota, Çeşni çeşni,
                                                         const CinsKütüphanesi& cinsler, int göçürüm, int saz) {
    const std::optional<Ses> ses = çeşniUygula(nota.ses, nota.perde, nota.seyir, çeşni, cinsler);
    const std::optional<int> kÜssü = ses ? çalınanKonum(*ses, göçürüm) : std::nullopt;
    if (!kÜssü) {
        tabloDışı(nota.satırNo, nota.elemanNo);
        return std::nullopt;
    }
    if (!notaYap(*kÜssü, ses->kayma, saz, nota.elemanNo)) return std::nullopt;
    return ÇalınanNota{*ses, *kÜssü};
}

void AkortluNotaYapıcı::tabloDışı(int satırNo, int elemanNo) {
    etkileşim_.mesaj("Satır " + std::to_string(satırNo) + ", eleman " + std::to_string(elemanNo) +
                     ": bu ses akort tablolarının dışında kalıyor, çalınamaz.");
}

std::optional<int> çalınanKonum(Ses ses, int göçürüm) {
    if (ses.kayma < -1 || ses.kayma > 1) return std::nullopt;
    return göçür(ses.koma, göçürüm);
}

std::optional<AkortluSatır> satırınAkortluNotalarınıYap(const Satır& satır, int satırNo, std::string_view kod,
                                                        int göçürüm, AkortluNotaYapıcı& yapıcı) {
    const int son = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    SatırSesleri sesler{};
    for (int e = 1; e <= son; ++e) {
        const Eleman& eleman = satır.elemanlar[e];
        if (eleman.sesindeks == 0) continue;
        const std::optional<int> kÜssü = çalınanKonum({eleman.sesindeks, eleman.arıza.mikroton}, göçürüm);
        if (!kÜssü) {
            yapıcı.tabloDışı(satırNo, e);
            return std::nullopt;
        }
        sesler[e] = static_cast<Byte>(*kÜssü);
    }
    if (!yapıcı.depo().aç()) return std::nullopt;
    const int saz = yapıcı.sazSeç(kod);
    bool yapıldı = true;
    for (int e = 1; e <= son && yapıldı; ++e)
        if (sesler[e] != 0) yapıldı = yapıcı.notaYap(sesler[e], satır.elemanlar[e].arıza.mikroton, saz, e);
    yapıcı.depo().kapat();
    return yapıldı ? std::optional(AkortluSatır{sesler, saz}) : std::nullopt;
}

}  // namespace selvika
