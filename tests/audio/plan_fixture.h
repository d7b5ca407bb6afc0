#pragma once

#include <algorithm>
#include <memory>

#include "core/score.h"
#include "tests/support/scripted_interaction.h"

namespace selvika::test {

// A score whose lines hold plain eighth notes, with passage marks set by
// hand.
struct PlanEseri {
    EserPtr eser = std::make_unique<Eser>();
    SenaryoluEtkileşim kullanıcı;

    // Line `s` gets `adet` eighths at koma positions 100, 101, ...
    void satır(int s, int adet) {
        Satır& satır = eser->satırlar[s];
        satır.elemanSayısı = static_cast<Byte>(adet);
        for (int j = 1; j <= adet; ++j) {
            Eleman& e = satır.elemanlar[j];
            e.tür = 10;
            e.süre = 8;
            e.süreBirim = 16;
            e.sesindeks = static_cast<Byte>(99 + j);
        }
    }
    void işaret(int s, int j, Byte işaret) {
        auto& yuvalar = eser->satırlar[s].pasajİşaretleri[j];
        *std::find(yuvalar.begin(), yuvalar.end(), Byte{0}) = işaret;
    }
    Pasaj& pasaj(int n) { return eser->başlık.pasajlar[n]; }
};

}  // namespace selvika::test
