#include "core/glyph_table.h"

#include "core/file_io.h"
#include "core/packing.h"

namespace selvika {

void karakterDüzeltmeleri(KarakterTablosu& tablo) {
    // Entries are code - 65: 9 is "J", 10 "K", 36 "e", 157 code 222.
    tablo[ilkKarakter + 9].genişlik = 13;
    tablo[ilkKarakter + 10].genişlik = 11;
    tablo[ilkKarakter + 36].kökSatırı = 19;
    tablo[ilkKarakter + 157].sayfaY = 441;
    tablo[ilkKarakter + 157].genişlik = 39;
    tablo[ilkKarakter + 157].yükseklik = 39;
}

bool karakterTablosunuÇöz(std::span<const std::uint8_t> bytes, KarakterTablosu& tablo, std::string* hata) {
    PackReader reader(bytes);
    KarakterTablosu okunan;
    if (!reader.read(okunan)) {
        if (hata)
            *hata = std::string(karakterDosyası) + " eksik: " + std::to_string(karakterDosyasıBoyu) + " bayt yerine " +
                    std::to_string(bytes.size()) + " bayt.";
        return false;
    }
    karakterDüzeltmeleri(okunan);
    tablo = okunan;
    return true;
}

bool karakterTablosunuOku(const std::filesystem::path& path, KarakterTablosu& tablo, std::string* hata) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readFile(path, karakterDosyasıBoyu);
    } catch (const DosyaHatası& e) {
        if (hata) *hata = e.what();
        return false;
    }
    return karakterTablosunuÇöz(bytes, tablo, hata);
}

std::vector<std::uint8_t> karakterTablosuBaytları(const KarakterTablosu& tablo) { return pack(tablo); }

void karakterTablosunuYaz(const std::filesystem::path& path, const KarakterTablosu& tablo) {
    replaceFile(path, karakterTablosuBaytları(tablo));
}

}  // namespace selvika
