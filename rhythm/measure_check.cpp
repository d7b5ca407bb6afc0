#include "rhythm/measure_check.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "rhythm/durations.h"
#include "rhythm/usul_numerals.h"

namespace selvika {
namespace {

enum class Rol { geç, say, usul, kapat };
enum class Kapanış { çizgi, satırSonu };

// Bar lines and the other signs that close a measure.
constexpr Byte kapatanlar[] = {33, 34, 37, 38, 39, 41, 43, 44, 45, 46, 47, 48, 49, 50, 51};

Rol rol(Byte t) {
    if ((t >= 1 && t <= tür::sonNota) || t == tür::sus) return Rol::say;
    if (t == tür::usul) return Rol::usul;
    if (std::ranges::find(kapatanlar, t) != std::end(kapatanlar)) return Rol::kapat;
    return Rol::geç;
}

class MezürKontrolü {
public:
    explicit MezürKontrolü(Etkileşim& etkileşim) : etkileşim_(etkileşim) {}

    // False when the run has ended without its summary.
    bool satırıKontrolEt(int i, const Satır& satır) {
        int son = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
        for (int j = 1; j <= son; ++j)
            if (!elemanıKontrolEt(i, satır, j)) return false;
        if (satır.satırSonu == satırSonuTürü::açık) return true;
        return mezürüKapat(std::to_string(i) + ". satırın son mezüründe ", Kapanış::satırSonu);
    }

private:
    bool elemanıKontrolEt(int i, const Satır& satır, int& j) {
        const Eleman& e = satır.elemanlar[j];
        switch (rol(e.tür)) {
            case Rol::usul: return usulüAl(e.usulNo);
            case Rol::say: return say(i, satır, j);
            case Rol::kapat: return mezürüKapat(std::to_string(i) + ". satırda ", Kapanış::çizgi);
            case Rol::geç: return true;
        }
        return true;
    }

    bool usulüAl(Byte usulNo) {
        if (usulNo > sonMezürlüUsul) return dur(büyükUsulMesajı);
        L_ = mezürzam(usulNo);
        return L_ != 0 || dur(usulRakamıHatası);
    }

    bool say(int i, const Satır& satır, int& j) {
        if (L_ == 0) return dur(usulBilinmiyor);
        if (satır.elemanlar[j].kanal > 1) return true;
        auto değer = elemanDeğeri(satır, j);
        if (!değer) {
            return dur(std::to_string(i) + ". satırın " + std::to_string(j) +
                       ". elemanının süresi okunamadı (kiriş kodu geçersiz). Mezür kontrolü iptal edilecek.");
        }
        S_ = static_cast<Integer>(S_ + değer->birim);
        j = değer->son;
        return true;
    }

    // A bar line after an empty measure passes and keeps the sum; a line end
    // starts the next line afresh.
    bool mezürüKapat(const std::string& önEk, Kapanış kapanış) {
        Integer D = static_cast<Integer>(std::abs(L_ - S_));
        if (D == 0 || (D == L_ && kapanış == Kapanış::satırSonu)) S_ = 0;
        if (D == 0 || D == L_) return true;
        return bildir(önEk + miktar(D) + (L_ - S_ > 0 ? " eksik var." : " fazla var."));
    }

    std::string miktar(Integer D) const {
        if (auto ad = süreAdı(D)) return std::string(*ad);
        return std::to_string(L_) + "  " + std::to_string(S_);
    }

    bool bildir(const std::string& metin) {
        Cevap cevap;
        do {
            cevap = etkileşim_.mesaj(metin, programAdı, Düğmeler::durdurYenidenDeneYoksay);
        } while (cevap == Cevap::yenidenDene);
        if (cevap == Cevap::durdur) return false;
        S_ = 0;
        return true;
    }

    bool dur(std::string_view metin) {
        etkileşim_.mesaj(metin, programAdı);
        return false;
    }

    Etkileşim& etkileşim_;
    Integer L_ = 0;
    Integer S_ = 0;
};

}  // namespace

void Mn_mezür_Click(const Eser& eser, Etkileşim& etkileşim) {
    MezürKontrolü kontrol(etkileşim);
    // Each line is yürünen in a copy of its own, leaving the line buffer alone.
    auto satır = std::make_unique<Satır>();
    int yürünen = 0;
    for (int i = 1; i <= satırSayısı; ++i) {
        *satır = eser.satırlar[i];
        if (satır->elemanSayısı == 0) break;
        if (!kontrol.satırıKontrolEt(i, *satır)) return;
        yürünen = i;
    }
    etkileşim.mesaj(std::to_string(yürünen) + std::string(kontrolÖzeti), programAdı);
}

}  // namespace selvika
