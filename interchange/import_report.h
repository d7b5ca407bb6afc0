#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/score.h"

namespace selvika {

// What an import could not carry over, one text per case, for the user to
// read on standard error or in a message.
struct İçeAlmaRaporu {
    std::vector<std::string> satırlar;

    // A row of the source, named by its Sira.
    void sıra(int sıra, std::string_view neden) {
        satırlar.push_back("Sıra " + std::to_string(sıra) + ": " + std::string(neden));
    }
    void genel(std::string_view neden) { satırlar.emplace_back(neden); }
};

// A piece brought in: the score, and what it could not carry over.
struct İçeAlma {
    EserPtr eser;
    İçeAlmaRaporu rapor;
};

// The report as a message box shows it: the first rows, the rest counted.
inline std::string raporMetni(const İçeAlmaRaporu& rapor) {
    constexpr std::size_t gösterilenSatır = 20;
    std::string metin = "Aktarılamayan ya da değiştirilerek aktarılan satırlar:\n";
    for (std::size_t i = 0; i < std::min(rapor.satırlar.size(), gösterilenSatır); ++i)
        metin += "\n" + rapor.satırlar[i];
    if (rapor.satırlar.size() > gösterilenSatır)
        metin += "\n… ve " + std::to_string(rapor.satırlar.size() - gösterilenSatır) + " satır daha";
    return metin;
}

}  // namespace selvika
