#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/fixed_text.h"
#include "core/interaction.h"
#include "core/widths.h"

namespace selvika {

// A cins: the degrees of a tetrachord or pentachord in thirds of a koma
// above its tonic (durak), rising from the durak to the fourth degree,
// falling back from the third to the durak, then the leading tone (yeden).
struct Cins {
    Text<16> ad;
    std::array<Integer, 10> değerler{};

    static constexpr void fields(auto& r, auto&& f) { f(r.ad, r.değerler); }
    constexpr bool operator==(const Cins&) const = default;
};

inline constexpr int cinsSayısı = 50;
using CinsKütüphanesi = std::array<Cins, cinsSayısı>;

inline constexpr std::string_view cinsDosyaAdı = "Cinsler.dat";

// The library a fresh installation starts with: "Uşşak", "Hicaz", then
// "02" .. "49" all alike.
CinsKütüphanesi varsayılanCinsler();

// The library as `Cinsler.dat` holds it: 50 records of 36 bytes.
std::vector<std::uint8_t> cinsDosyası(const CinsKütüphanesi& cinsler);

// Reads the library. A missing file gives the default library silently; a
// file of another size gives it too, with a warning box.
CinsKütüphanesi cinsleriOku(const std::filesystem::path& dosya, Etkileşim& etkileşim);

// "Kaydet": writes the whole library; throws DosyaHatası.
void cinsleriKaydet(const CinsKütüphanesi& cinsler, const std::filesystem::path& dosya);

}  // namespace selvika
