#pragma once

#include <string>
#include <string_view>
#include <vector>

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

}  // namespace selvika
