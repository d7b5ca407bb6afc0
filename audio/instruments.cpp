#include "audio/instruments.h"

#include <array>
#include <cstdint>
#include <fstream>
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

ÖrnekTamponu örnekOku(std::istream& akış, std::size_t sayı) {
    std::vector<unsigned char> baytlar(sayı * 2);
    akış.read(reinterpret_cast<char*>(baytlar.data()), static_cast<std::streamsize>(baytlar.size()));
    ÖrnekTamponu örnekler(static_cast<std::size_t>(akış.gcount()) / 2);
    for (std::size_t i = 0; i < örnekler.size(); ++i)
        örnekler[i] = static_cast<Integer>(baytlar[2 * i] | baytlar[2 * i + 1] << 8);
    return örnekler;
}

void örnekYaz(std::ostream& akış, const ÖrnekTamponu& örnekler) {
    std::vector<unsigned char> baytlar(örnekler.size() * 2);
    for (std::size_t i = 0; i < örnekler.size(); ++i) {
        const auto örnek = static_cast<std::uint16_t>(örnekler[i]);
        baytlar[2 * i] = static_cast<unsigned char>(örnek & 0xFF);
        baytlar[2 * i + 1] = static_cast<unsigned char>(örnek >> 8);
    }
    akış.write(reinterpret_cast<const char*>(baytlar.data()), static_cast<std::streamsize>(baytlar.size()));
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
