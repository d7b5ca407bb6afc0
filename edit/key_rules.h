#pragma once

#include <span>

#include "edit/keys.h"

// The key table of the editing area, one rule a key; used by keys.cpp.
namespace selvika::tuşlar {

struct Bağlam {
    Satır& satır;
    EditörDurumu& durum;
    Etkileşim& etkileşim;
    TuşBasışı basış;
    int imleç;

    Eleman& eleman() { return satır.elemanlar[imleç]; }
};

// What must hold of the cursor element before a key acts.
enum class Koşul { yok, imleç, nota, türEnFazla31, türEnFazla32, notaSonÜyeDeğil };

struct Kural {
    Tuş tuş;
    Koşul koşul;
    void (*eylem)(Bağlam&);
    bool gezinme = false;  // moves the cursor only: redrawn, never backed up
};

std::span<const Kural> kurallar();

}  // namespace selvika::tuşlar
