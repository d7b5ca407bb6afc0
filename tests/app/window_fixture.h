#pragma once

#include <QAction>
#include <QMenu>
#include <memory>

#include "app/main_window.h"
#include "core/score_file.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika::test {

// Every face a score names is on this system.
class HerYazıTipi : public YazıTipiSorgusu {
public:
    bool var(const std::string&) const override { return true; }
    std::string yerineGeçen() const override { return "Sans"; }
};

// The main window in a program folder of its own, the user scripted.
struct PencereKurulumu {
    GeçiciKlasör klasör;
    SenaryoluEtkileşim etkileşim;
    HerYazıTipi yazıTipleri;
    YedekHalkası halka{klasör / "temp.001"};
    ARAYÜZ pencere{klasör.yol(), etkileşim, yazıTipleri, halka};

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
