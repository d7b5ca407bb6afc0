#pragma once

#include <initializer_list>

#include "core/line.h"

namespace selvika::test {

// Lines written element by element: notes, beamed groups, bar lines, usuls.
struct SatırYazıcı {
    Satır satır;

    Eleman& ekle(Byte tür) {
        Eleman& e = satır.elemanlar[++satır.elemanSayısı];
        e.tür = tür;
        return e;
    }
    SatırYazıcı& nota(Byte süre, Byte nokta = 0) {
        Eleman& e = ekle(10);
        e.süre = süre;
        e.nokta = nokta;
        return *this;
    }
    // Beamed members: their beam pair codes, the last member without one.
    SatırYazıcı& kirişli(std::initializer_list<Byte> kodlar, bool triole = false) {
        Byte yer = 1;
        for (Byte kod : kodlar) {
            Eleman& e = ekle(10);
            e.gurup.gurupYeri = yer;
            e.gurup.kiriş = kod;
            yer = 2;
        }
        Eleman& son = ekle(10);
        son.gurup.gurupYeri = 3;
        if (triole) {
            int ilk = satır.elemanSayısı - static_cast<int>(kodlar.size());
            for (int k = 0; k < 3; ++k) satır.elemanlar[ilk + k].triole.trioleYeri = static_cast<Byte>(k + 1);
        }
        return *this;
    }
    SatırYazıcı& çizgi() {
        ekle(33);
        return *this;
    }
    SatırYazıcı& usul(Byte usulNo) {
        ekle(42).usulNo = usulNo;
        return *this;
    }
};

}  // namespace selvika::test
