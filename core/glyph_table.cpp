#include "core/glyph_table.h"

#include <optional>

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

namespace {

bool arada(int değer, int en, int son) { return değer >= en && değer <= son; }

// Values a drawn glyph can have: a family the drawing knows, a staff
// position, a rectangle on a sheet of a sensible size, offsets within a
// few staff heights.
bool aklaYatkın(const KarakterKaydı& k) {
    constexpr int enBüyükSayfa = 4096, enBüyükKayma = 300;
    return arada(k.aile, 1, Byte(GlyphFamily::grace)) && arada(k.sabitKonum, 0, 29) &&
           arada(k.sayfaX, 0, enBüyükSayfa - k.genişlik) && arada(k.sayfaY, 0, enBüyükSayfa - k.yükseklik) &&
           arada(k.sapUcuX, -enBüyükKayma, enBüyükKayma) && arada(k.sapUcuY, -enBüyükKayma, enBüyükKayma) &&
           arada(k.kaymaX, -enBüyükKayma, enBüyükKayma) && arada(k.kaymaY, -enBüyükKayma, enBüyükKayma);
}

std::string kodAdı(int kod) {
    std::string ad = std::to_string(kod);
    if (kod < 128) ad += std::string(" (") + static_cast<char>(kod) + ")";
    return ad;
}

// Why the table cannot be drawn from, or nothing: the notes of every value
// (codes A..V) must be there, and every glyph that is there must make sense.
std::optional<std::string> tablodakiBozukluk(const KarakterTablosu& t) {
    for (int kod = ilkKarakter; kod <= sonKarakter; ++kod) {
        if (t[kod].boş() && kod <= 'V') return kodAdı(kod) + " kodunun kaydı boş";
        if (!t[kod].boş() && !aklaYatkın(t[kod])) return kodAdı(kod) + " kodunun kaydı olanaksız değerler taşıyor";
    }
    return std::nullopt;
}

bool reddet(std::string* hata, const std::string& neden) {
    if (hata) *hata = neden;
    return false;
}

}  // namespace

bool karakterTablosunuÇöz(std::span<const std::uint8_t> bytes, KarakterTablosu& tablo, std::string* hata) {
    const std::string bozuk = std::string(karakterTablosuAdı) + "bozuk: ";
    if (bytes.size() != karakterDosyasıBoyu)
        return reddet(hata, bozuk + std::to_string(karakterDosyasıBoyu) + " bayt olmalı, " +
                                std::to_string(bytes.size()) + " bayt.");
    KarakterTablosu okunan;
    PackReader(bytes).read(okunan);
    if (auto neden = tablodakiBozukluk(okunan)) return reddet(hata, bozuk + *neden + ".");
    karakterDüzeltmeleri(okunan);
    tablo = okunan;
    return true;
}

bool karakterTablosunuOku(const std::filesystem::path& path, KarakterTablosu& tablo, std::string* hata) {
    std::error_code ec;
    const auto tür = std::filesystem::status(path, ec).type();
    if (tür == std::filesystem::file_type::not_found) return reddet(hata, karakterTablosuYok);
    if (tür == std::filesystem::file_type::directory)
        return reddet(hata, std::string(karakterTablosuAdı) + "bir klasör, dosya değil.");
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readFile(path, karakterDosyasıBoyu + 1);
    } catch (const DosyaHatası& e) {
        return reddet(hata, std::string(karakterTablosuAdı) + "okunamadı: " + okumaSebebi(e.sistemHatası) + ".");
    }
    return karakterTablosunuÇöz(bytes, tablo, hata);
}

std::vector<std::uint8_t> karakterTablosuBaytları(const KarakterTablosu& tablo) { return pack(tablo); }

void karakterTablosunuYaz(const std::filesystem::path& path, const KarakterTablosu& tablo) {
    replaceFile(path, karakterTablosuBaytları(tablo));
}

}  // namespace selvika
