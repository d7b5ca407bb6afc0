#include "core/line_editor.h"

#include "core/defaults.h"

namespace selvika {

SatırEditörü::SatırEditörü(EserOturumu& oturum, Etkileşim& etkileşim, YedekHalkası& halka, SesHesabı ses)
    : oturum_(oturum), etkileşim_(etkileşim), halka_(halka), ses_(std::move(ses)) {
    satıratamaları(tampon_);
    // The editor lives as long as its session: the window and the tests
    // make the session first.
    oturum_.satırBırakılsınMı = [this] { return satırBırakılsınMı(); };
}

std::optional<int> SatırEditörü::üstÖnizleme() const {
    if (satırNo_ - 1 >= 1) return satırNo_ - 1;
    return std::nullopt;
}

// Line 125 shows no lower neighbour either: the editor has always worked so.
std::optional<int> SatırEditörü::altÖnizleme() const {
    if (satırNo_ >= 1 && satırNo_ + 1 < satırSayısı) return satırNo_ + 1;
    return std::nullopt;
}

void SatırEditörü::satıraGit(int n) {
    satırNo_ = n;
    tampon_ = oturum_.eser().satırlar[n];
    if (tampon_.elemanSayısı >= 1) tampon_.elemanlar[std::min<int>(tampon_.elemanSayısı, sonElemanYuvası)].imleç = 1;
    değişti_ = false;
    halka_.satırıTanıt(oturum_.yol(), n);
    halka_.yeniSatır(tampon_);
}

bool SatırEditörü::satıraGeç(int n) {
    if (!satırBırakılsınMı()) return false;
    satıraGit(n);
    return true;
}

bool SatırEditörü::satırBırakılsınMı() {
    if (!değişti_) return true;
    switch (etkileşim_.mesaj(satırdanÇıkmaSorusu, kayıtOnayı, Düğmeler::evetHayırVazgeç)) {
        case Cevap::evet: kaydet(); return !değişti_;
        case Cevap::hayır: değişiklikleriAt(); return true;
        default: return false;
    }
}

// The line is read again from the score, with a history of its own.
void SatırEditörü::değişiklikleriAt() { satıraGit(satırNo_); }

void SatırEditörü::düzenlendi() {
    değişti_ = true;
    oturum_.değişikliğiBildir();
    halka_.kaydedilmemiş(true);
    halka_.yedekle(tampon_);
}

void SatırEditörü::kurtarılanıKoy(const Satır& satır) {
    tampon_ = satır;
    düzenlendi();
}

void SatırEditörü::kaydet() {
    if (satırNo_ < 1) return;
    oturum_.eser().satırlar[satırNo_] = tampon_;
    oturum_.değişikliğiBildir();
    bool kaydedildi = oturum_.dosyayaYaz();
    // The file just written keeps the sound data of the line's previous
    // store; the score gets the new ones.
    if (ses_) {
        ses_(tampon_);
        oturum_.eser().satırlar[satırNo_] = tampon_;
    }
    değişti_ = !kaydedildi;
    halka_.kaydedilmemiş(değişti_);
}

void SatırEditörü::geriAl() {
    değişti_ = true;
    halka_.kaydedilmemiş(true);
    halka_.geriAl(tampon_);
}

void SatırEditörü::yinele() {
    değişti_ = true;
    halka_.kaydedilmemiş(true);
    halka_.yinele(tampon_);
}

void SatırEditörü::ayrıl() {
    if (!değişti_) return;
    if (etkileşim_.mesaj(satırdanÇıkmaSorusu, kayıtOnayı, Düğmeler::evetHayır) == Cevap::evet)
        kaydet();
    else
        değişiklikleriAt();
}

void SatırEditörü::vazgeçmeİpucu() {
    etkileşim_.mesaj("Kaydetmezseniz satırda yapılan değişiklikler geçersiz olacaktır.");
}

void SatırEditörü::sıfırla() {
    satırNo_ = 0;
    satıratamaları(tampon_);
    değişti_ = false;
    halka_.kaydedilmemiş(false);
}

}  // namespace selvika
