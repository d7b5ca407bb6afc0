#include "fuzz/harness.h"

#include <fstream>
#include <unistd.h>

namespace selvika::fuzz {
namespace {

namespace fs = std::filesystem;

struct KendiKlasörü {
    fs::path yol = fs::temp_directory_path() / ("selvika-fuzz-" + std::to_string(getpid()));
    ~KendiKlasörü() {
        std::error_code yoksay;
        fs::remove_all(yol, yoksay);
    }
};

}  // namespace

fs::path dosyaOlarak(std::string_view ad, std::span<const std::uint8_t> baytlar) {
    static const KendiKlasörü klasör;
    fs::remove_all(klasör.yol);
    fs::create_directories(klasör.yol);
    const fs::path yol = klasör.yol / ad;
    std::ofstream(yol, std::ios::binary)
        .write(reinterpret_cast<const char*>(baytlar.data()), static_cast<std::streamsize>(baytlar.size()));
    return yol;
}

Baytlar dosyaBaytları(const fs::path& yol) {
    std::ifstream dosya(yol, std::ios::binary);
    return {std::istreambuf_iterator<char>(dosya), {}};
}

}  // namespace selvika::fuzz
