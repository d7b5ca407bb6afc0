// Writes the harness's seeds as seed-1, seed-2, … into the folder named.

#include <fstream>
#include <iostream>

#include "fuzz/harness.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " CORPUS_FOLDER\n";
        return 2;
    }
    const std::filesystem::path klasör = argv[1];
    std::filesystem::create_directories(klasör);
    int n = 0;
    for (const auto& tohum : selvika::fuzz::tohumlar())
        std::ofstream(klasör / ("seed-" + std::to_string(++n)), std::ios::binary)
            .write(reinterpret_cast<const char*>(tohum.data()), static_cast<std::streamsize>(tohum.size()));
    return 0;
}
