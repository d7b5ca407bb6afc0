#pragma once

#include <initializer_list>

#include "core/defaults.h"
#include "core/score.h"

namespace selvika::test {

struct Öğe {
    Byte tür;
    Byte sesindeks = 0;
    Byte süreBirim = 0;
    Byte usulNo = 0;
};

// A score whose line n holds the given elements and nothing else.
inline EserPtr analizEseri(std::initializer_list<std::initializer_list<Öğe>> satırlar) {
    EserPtr eser = yeniEser(varsayılanTercihler());
    int n = 0;
    for (const auto& öğeler : satırlar) {
        Satır& satır = eser->satırlar[++n];
        for (const Öğe& ö : öğeler) {
            Eleman& e = satır.elemanlar[++satır.elemanSayısı];
            e.tür = ö.tür;
            e.sesindeks = ö.sesindeks;
            e.süreBirim = ö.süreBirim;
            e.usulNo = ö.usulNo;
        }
    }
    return eser;
}

// Ten Rast notes (quarters) and an eighth rest.
inline EserPtr onRastVeSus() {
    const Öğe rast{16, 124, 32};
    return analizEseri({{rast, rast, rast, rast, rast, rast, rast, rast, rast, rast, {tür::sus, 0, 16}}});
}

}  // namespace selvika::test
