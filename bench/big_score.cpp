#include "bench/big_score.h"

#include "core/score_file.h"

namespace selvika::bench {

EserPtr büyükEser() {
    EserPtr eser = eserOku(std::filesystem::path(SELVIKA_EXAMPLE)).eser;
    for (int n = 5; n <= satırSayısı; ++n) eser->satırlar[n] = eser->satırlar[(n - 1) % 4 + 1];
    return eser;
}

Satır altmışElemanlıSatır(const Eser& eser) {
    Satır satır = eser.satırlar[1];
    for (int n = 2; satır.elemanSayısı < enFazlaEleman; ++n) {
        const Satır& sonraki = eser.satırlar[(n - 1) % 4 + 1];
        for (int j = 2; j <= sonraki.elemanSayısı && satır.elemanSayısı < enFazlaEleman; ++j)
            satır.elemanlar[++satır.elemanSayısı] = sonraki.elemanlar[j];
    }
    return satır;
}

}  // namespace selvika::bench
