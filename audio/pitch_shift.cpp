#include "audio/pitch_shift.h"

#include <cmath>
#include <limits>
#include <new>
#include <stdexcept>

namespace selvika {

namespace {

ÖrnekTamponu kaydır(const ÖrnekTamponu& kaynak, double fs, double ft, long uzunluk) {
    const double n = std::nearbyint(uzunluk * ft / fs);
    if (!std::isfinite(n) || n < 0 || n > std::numeric_limits<Long>::max()) throw std::overflow_error("Taşma");
    ÖrnekTamponu çıktı(static_cast<std::size_t>(n));
    const double dt = 1.0 / örneklemeHızı;
    double t = 0;
    for (std::size_t j = 0; j < çıktı.size(); ++j) {
        const auto i = static_cast<std::size_t>((ft * t / fs) / dt);
        if (i >= kaynak.size()) {
            çıktı[j] = 0;
            çıktı.resize(j + 1);
            break;
        }
        çıktı[j] = kaynak[i];
        t += dt;
    }
    return çıktı;
}

}  // namespace

bool bloğuAkortla(ÖrnekTamponu& tampon, Single fs, Single ft, int saz, Etkileşim& etkileşim) {
    try {
        if (!(fs > 0) || !(ft > 0)) throw std::domain_error("Geçersiz frekans");
        tampon = kaydır(tampon, fs, ft, blokUzunluğu(saz));
        return true;
    } catch (const std::exception& hata) {
        etkileşim.mesaj(hata.what());
        return false;
    }
}

}  // namespace selvika
