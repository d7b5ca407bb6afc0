#include "audio/instruments.h"

#include <array>
#include <fstream>

namespace selvika {

namespace {

struct SazTanımı {
    std::string_view kod;
    long blokUzunluğu;
};

// The trill instruments and the bağlama take the length of their plucked
// relatives: their sample files are cut the same way.
constexpr std::array<SazTanımı, saz::son + 1> sazlar = {{
    {"SINUS", 100000},
    {"KANUN", 200000},
    {"UDOOO", 200000},
    {"MTNBR", 200000},
    {"KMNCE", 400000},
    {"KEMAN", 300000},
    {"CELLO", 320000},
    {"KLRNT", 400000},
    {"KNTRL", 200000},
    {"UDTRL", 200000},
    {"MTTRL", 200000},
    {"CELPC", 250000},
    {"BAGLM", 200000},
}};

}  // namespace

Byte sazNumarası(std::string_view kod) {
    for (std::size_t i = 0; i < sazlar.size(); ++i)
        if (sazlar[i].kod == kod) return static_cast<Byte>(i);
    return saz::bilinmeyen;
}

std::string_view sazKodu(int numara) { return sazlar[static_cast<std::size_t>(numara)].kod; }

long blokUzunluğu(int numara) { return sazlar[static_cast<std::size_t>(numara)].blokUzunluğu; }

std::filesystem::path örnekDosyası(const std::filesystem::path& klasör, int numara) {
    return klasör / (std::string(sazKodu(numara)) + ".pcm");
}

std::optional<ÖrnekTamponu> blokOku(const std::filesystem::path& klasör, int numara, int b) {
    std::ifstream dosya(örnekDosyası(klasör, numara), std::ios::binary);
    if (!dosya) return std::nullopt;
    const long uzunluk = blokUzunluğu(numara);
    ÖrnekTamponu blok(static_cast<std::size_t>(uzunluk + 1));
    std::vector<unsigned char> baytlar(blok.size() * 2);
    dosya.seekg(static_cast<std::streamoff>(kayıtlıPerdeSayısı - b) * uzunluk * 2);
    dosya.read(reinterpret_cast<char*>(baytlar.data()), static_cast<std::streamsize>(baytlar.size()));
    const auto okunan = static_cast<std::size_t>(dosya.gcount()) / 2;
    for (std::size_t i = 0; i < okunan; ++i)
        blok[i] = static_cast<Integer>(baytlar[2 * i] | baytlar[2 * i + 1] << 8);
    return blok;
}

}  // namespace selvika
