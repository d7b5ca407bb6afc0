#include "analysis/cins_library.h"

#include <string>

#include "core/file_io.h"
#include "core/packing.h"

namespace selvika {

namespace {

constexpr std::size_t cinsDosyaBoyu = cinsSayısı * packedSizeOf<Cins>;
static_assert(packedSizeOf<Cins> == 36 && cinsDosyaBoyu == 1800);

Cins cins(std::string_view ad, std::array<Integer, 10> değerler) { return {Text<16>(ad), değerler}; }

}  // namespace

CinsKütüphanesi varsayılanCinsler() {
    CinsKütüphanesi cinsler;
    cinsler[0] = cins("Uşşak", {0, 21, 39, 66, 93, 66, 39, 18, 0, -27});
    cinsler[1] = cins("Hicaz", {0, 24, 52, 66, 93, 66, 52, 24, 0, -27});
    for (int i = 2; i < cinsSayısı; ++i)
        cinsler[static_cast<std::size_t>(i)] = cins((i < 10 ? "0" : "") + std::to_string(i),
                                                     {0, 27, 39, 66, 93, 66, 39, 27, 0, -27});
    return cinsler;
}

std::vector<std::uint8_t> cinsDosyası(const CinsKütüphanesi& cinsler) {
    PackWriter yazıcı;
    yazıcı.write(cinsler);
    return yazıcı.take();
}

CinsKütüphanesi cinsleriOku(const std::filesystem::path& dosya, Etkileşim& etkileşim) {
    std::error_code hata;
    if (!std::filesystem::exists(dosya, hata)) return varsayılanCinsler();
    try {
        const std::vector<std::uint8_t> baytlar = readFile(dosya, cinsDosyaBoyu + 1);
        CinsKütüphanesi cinsler;
        if (baytlar.size() == cinsDosyaBoyu && PackReader(baytlar).read(cinsler)) return cinsler;
        etkileşim.mesaj(std::string(cinsDosyaAdı) + " bozuk (" + std::to_string(cinsDosyaBoyu) +
                        " bayt olmalı); varsayılan çeşniler kullanılıyor.");
    } catch (const DosyaHatası& okunamadı) {
        etkileşim.mesaj(std::string(okunamadı.what()) + " Varsayılan çeşniler kullanılıyor.");
    }
    return varsayılanCinsler();
}

void cinsleriKaydet(const CinsKütüphanesi& cinsler, const std::filesystem::path& dosya) {
    replaceFile(dosya, cinsDosyası(cinsler));
}

}  // namespace selvika
