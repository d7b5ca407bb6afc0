#include "audio/tuning_preview.h"

#include <array>
#include <string>

#include "audio/frequencies.h"
#include "audio/pitch_shift.h"
#include "pitch/degrees.h"

namespace selvika {

int akortSazı(int düğme) {
    const bool kayıtlı = (düğme >= saz::kanun && düğme <= saz::klarnet) || düğme == saz::çelloPizzicato ||
                         düğme == saz::bağlama;
    return kayıtlı ? düğme : saz::kanun;
}

int ayarAdımı(int düğme) {
    constexpr std::array<int, 4> adımlar = {-5, -1, 1, 5};
    return adımlar[static_cast<std::size_t>(düğme - 1)];
}

std::optional<ÖrnekTamponu> akortÖnizlemesi(const std::filesystem::path& klasör, int saz, int b,
                                            const AkortÇarpanları& çarpanlar, Etkileşim& etkileşim) {
    std::optional<ÖrnekTamponu> blok = blokOku(klasör, saz, b);
    if (!blok) {
        etkileşim.mesaj(std::string(sazKodu(saz)) + "   dosyası bulunamadı.");
        return std::nullopt;
    }
    const Single fs = frekanslar()[static_cast<std::size_t>(doğalKoma(b))];
    const auto ft = static_cast<Single>(fs * çarpanlar(saz, b));
    if (!bloğuAkortla(*blok, fs, ft, saz, etkileşim)) {
        etkileşim.mesaj(" Bir hata oluştu, yürütme kesilecek.");
        return std::nullopt;
    }
    return blok;
}

}  // namespace selvika
