#pragma once

#include <QAction>
#include <QMenu>
#include <memory>

#include "app/main_window.h"
#include "audio/passage_list.h"
#include "core/score_file.h"
#include "tests/app/recording_output.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika::test {

// Every face a score names is on this system.
class HerYazıTipi : public YazıTipiSorgusu {
public:
    bool var(const std::string&) const override { return true; }
    std::string yerineGeçen() const override { return "Sans"; }
};

// The sample score with pitches and performed durations, and passage 1
// "Zemin" from element 3 of line 1 to element 12 of line 5.
inline void planlıÖrnek(Eser& eser) {
    for (int n = 1; n <= 5; ++n)
        for (int j = 1; j <= eser.satırlar[n].elemanSayısı; ++j) {
            Eleman& e = eser.satırlar[n].elemanlar[j];
            if (e.tür > tür::sonNota) continue;
            e.sesindeks = static_cast<Byte>(100 + e.tür);
            e.süreBirim = static_cast<Byte>(128 / e.süre);
        }
    Pasaj& p = eser.başlık.pasajlar[1];
    p = varsayılanPasaj("Zemin");
    p.başlangıçSatırı = 1;
    p.başlangıçElemanı = 3;
    p.bitişSatırı = 5;
    p.bitişElemanı = 12;
    eser.başlık.pasajSayısı = 1;
}

// The main window in a program folder of its own, the user scripted, the
// renderings "heard" on a recording output.
struct PencereKurulumu {
    GeçiciKlasör klasör;
    SenaryoluEtkileşim etkileşim;
    HerYazıTipi yazıTipleri;
    YedekHalkası halka{klasör / "temp.001"};
    std::unique_ptr<KayıtlıÇıkış> çıkışı = std::make_unique<KayıtlıÇıkış>();
    KayıtlıÇıkış& çıkış = *çıkışı;
    ARAYÜZ pencere{klasör.yol(), klasör.yol(), etkileşim, yazıTipleri, halka, std::move(çıkışı)};

    template <class T>
    T* bul(const char* ad) {
        return pencere.findChild<T*>(QString::fromUtf8(ad));
    }

    // The sample score, changed first when asked, saved and opened through "Aç".
    void örnekEseriAç(void (*değiştir)(Eser&) = nullptr) {
        auto eser = örnekEser();
        if (değiştir) değiştir(*eser);
        const auto yol = klasör / "ornek.EVD";
        eserKaydet(*eser, yol);
        etkileşim.dosyalar.push_back(yol);
        bul<QAction>("Mn_aç")->trigger();
    }
};

}  // namespace selvika::test
