#include "audio/tuning_factors.h"

#include <cmath>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

namespace selvika {

namespace {

// What the table holds where no preset applies.
constexpr Single önAyarsız = 1.0000010f;

// The instruments whose recorded perdes start at a preset of 0 fifth-komas.
constexpr std::array<bool, saz::son + 1> önAyarlı = {false, true,  true,  true,  true, true, true,
                                                     true,  false, false, false, true, true};

// Further than an octave is no tuning but a wrong recording.
constexpr int enBüyükÖnAyar = 265;

double oran(int beşteBirKoma) { return std::pow(2.0, beşteBirKoma / 265.0); }

std::optional<std::map<int, ÖnAyar>> önAyarlarıOku(const std::filesystem::path& yol) {
    std::ifstream dosya(yol);
    if (!dosya) return std::nullopt;
    std::map<int, ÖnAyar> önAyarlar;
    for (std::string satır; std::getline(dosya, satır);) {
        if (satır.empty() || satır.front() == '#') continue;
        std::istringstream alanlar(satır);
        std::string kod;
        ÖnAyar önAyar{};
        alanlar >> kod;
        for (int& n : önAyar) alanlar >> n;
        const int saz = sazNumarası(kod);
        std::string fazla;
        if (!alanlar || alanlar >> fazla || saz == saz::bilinmeyen || saz == saz::sinüs) return std::nullopt;
        for (int n : önAyar)
            if (std::abs(n) > enBüyükÖnAyar) return std::nullopt;
        önAyarlar[saz] = önAyar;
    }
    return önAyarlar;
}

}  // namespace

Single beşteBirKomaÇarpanı(int beşteBirKoma) { return static_cast<Single>(oran(beşteBirKoma)); }

AkortÇarpanları::AkortÇarpanları() {
    for (int i = 1; i <= saz::son; ++i)
        for (int b = 1; b <= 29; ++b)
            a_[i][b] = önAyarlı[i] && b <= kayıtlıPerdeSayısı ? 1.0f : önAyarsız;
}

AkortÇarpanları::AkortÇarpanları(const std::filesystem::path& klasör) : AkortÇarpanları() {
    const auto önAyarlar = önAyarlarıOku(klasör / önAyarDosyasıAdı);
    if (!önAyarlar) return;
    for (const auto& [saz, önAyar] : *önAyarlar)
        for (int b = 1; b <= kayıtlıPerdeSayısı; ++b)
            a_[saz][b] = beşteBirKomaÇarpanı(önAyar[static_cast<std::size_t>(b - 1)]);
}

void AkortÇarpanları::ayarla(int saz, int perde, int beşteBirKoma) {
    a_[saz][perde] = static_cast<Single>(a_[saz][perde] * oran(beşteBirKoma));
}

std::string önAyarSatırı(int saz, const ÖnAyar& önAyar) {
    std::string satır(sazKodu(saz));
    for (int n : önAyar) satır += ' ' + std::to_string(n);
    return satır;
}

}  // namespace selvika
