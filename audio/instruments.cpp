#include "audio/instruments.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <istream>
#include <ostream>

namespace selvika {

namespace {

struct SazTanımı {
    std::string_view kod;
    long blokUzunluğu;
    SazSabitleri sabitler;
};

// The trill instruments and the bağlama take the length of their plucked
// relatives: their sample files are cut the same way.
constexpr std::array<SazTanımı, saz::son + 1> sazlar = {{
    {"SINUS", 100000, {1, 1, false}},
    {"KANUN", 200000, {1, 2, true}},
    {"UDOOO", 200000, {1, 2, true}},
    {"MTNBR", 200000, {1, 2, true}},
    {"KMNCE", 400000, {10000, 1, false}},
    {"KEMAN", 300000, {30000, 1, false}},
    {"CELLO", 320000, {10000, 1, false}},
    {"KLRNT", 400000, {1, 1, false}},
    {"KNTRL", 200000, {}},
    {"UDTRL", 200000, {}},
    {"MTTRL", 200000, {}},
    {"CELPC", 250000, {5000, 2, false}},
    {"BAGLM", 200000, {}},
}};

}  // namespace

Byte sazNumarası(std::string_view kod) {
    for (std::size_t i = 0; i < sazlar.size(); ++i)
        if (sazlar[i].kod == kod) return static_cast<Byte>(i);
    return saz::bilinmeyen;
}

std::string_view sazKodu(int numara) { return sazlar[static_cast<std::size_t>(numara)].kod; }

long blokUzunluğu(int numara) { return sazlar[static_cast<std::size_t>(numara)].blokUzunluğu; }

SazSabitleri sazSabitleri(std::string_view kod) {
    const Byte numara = sazNumarası(kod);
    return numara == saz::bilinmeyen ? SazSabitleri{} : sazlar[numara].sabitler;
}

// Samples go through memory as they lie in the files wherever the machine
// is little-endian; elsewhere each is turned around.
constexpr bool dosyaSırası = std::endian::native == std::endian::little;

Integer çevir(Integer örnek) {
    const auto u = static_cast<std::uint16_t>(örnek);
    return static_cast<Integer>(static_cast<std::uint16_t>(u << 8 | u >> 8));
}

ÖrnekTamponu örnekOku(std::istream& akış, std::size_t sayı) {
    ÖrnekTamponu örnekler(sayı);
    akış.read(reinterpret_cast<char*>(örnekler.data()), static_cast<std::streamsize>(sayı * 2));
    örnekler.resize(static_cast<std::size_t>(akış.gcount()) / 2);
    if (!dosyaSırası) std::ranges::transform(örnekler, örnekler.begin(), çevir);
    return örnekler;
}

void örnekYaz(std::ostream& akış, std::span<const Integer> örnekler) {
    ÖrnekTamponu çevrilmiş;
    if (!dosyaSırası) {
        std::ranges::transform(örnekler, std::back_inserter(çevrilmiş), çevir);
        örnekler = çevrilmiş;
    }
    akış.write(reinterpret_cast<const char*>(örnekler.data()), static_cast<std::streamsize>(örnekler.size() * 2));
}

std::filesystem::path örnekDosyası(const std::filesystem::path& klasör, int numara) {
    return klasör / (std::string(sazKodu(numara)) + ".pcm");
}

std::optional<ÖrnekTamponu> blokOku(const std::filesystem::path& klasör, int numara, int b) {
    std::ifstream dosya(örnekDosyası(klasör, numara), std::ios::binary);
    if (!dosya) return std::nullopt;
    const long uzunluk = blokUzunluğu(numara);
    dosya.seekg(static_cast<std::streamoff>(kayıtlıPerdeSayısı - b) * uzunluk * 2);
    ÖrnekTamponu blok = örnekOku(dosya, static_cast<std::size_t>(uzunluk + 1));
    if (dosya.bad()) return std::nullopt;
    blok.resize(static_cast<std::size_t>(uzunluk + 1));
    return blok;
}

}  // namespace selvika
