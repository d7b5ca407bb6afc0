#pragma once

#include <cstddef>
#include <set>
#include <string>

namespace selvika {

// What a score file could not give: the reader fills it, the user reads
// its text, so that nothing is lost silently.
struct OkumaRaporu {
    struct Eksik {
        long adet = 0;
        std::set<int> satırlar;
        void ekle(int satır, long kaç) {
            if (kaç <= 0) return;
            adet += kaç;
            satırlar.insert(satır);
        }
    };

    bool başlıkEksik = false;
    std::set<int> dizinsizSatırlar;  // their index record is missing
    std::set<int> tutarsızSatırlar;  // their index record holds impossible values
    Eksik elemanlar;
    Eksik güfteHarfleri;
    Eksik ifadeler;
    std::size_t fazlaBayt = 0;  // past the end of the data

    bool tam() const;
    std::string metin() const;
};

}  // namespace selvika
