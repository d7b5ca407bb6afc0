#pragma once

#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

// Appends an empty element to the line and returns it; a full line refuses
// with "satır doldu" on the warning line and gets nothing.
inline Eleman* elemanEkle(Satır& satır, Etkileşim& etkileşim) {
    if (satır.elemanSayısı >= enFazlaEleman) {
        etkileşim.ikazYaz(satırDoldu);
        return nullptr;
    }
    Eleman& e = satır.elemanlar[++satır.elemanSayısı];
    e = Eleman{};
    return &e;
}

}  // namespace selvika
