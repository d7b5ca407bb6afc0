#include "audio/frequencies.h"

#include <cmath>

#include "pitch/degrees.h"

namespace selvika {

namespace {

constexpr Single enPestKomaFrekansı = 74.30163f;

FrekansTablosu frekansTablosuKur() {
    FrekansTablosu f{};
    const double koma = std::pow(2.0, 1.0 / oktavKoma);
    f[enPestKoma] = enPestKomaFrekansı;
    for (int k = enPestKoma - 1; k >= 0; --k) f[k] = static_cast<Single>(koma * f[k + 1]);
    return f;
}

// The last sounding position played from each block, from block 2 upward.
constexpr std::array<int, 22> blokSonları = {22,  29,  35,  44,  51,  57,  66,  75,  82,  88,  97,
                                             104, 110, 119, 128, 135, 141, 150, 157, 163, 172, 185};

}  // namespace

const FrekansTablosu& frekanslar() {
    static const FrekansTablosu tablo = frekansTablosuKur();
    return tablo;
}

Single mikrotonÇarpanı(int kayma) {
    if (kayma < 0) return 0.99565f;
    if (kayma > 0) return 1.00437f;
    return 1.0f;
}

Single hedefFrekans(int kÜssü, int kayma) {
    return frekanslar()[static_cast<std::size_t>(kÜssü)] * mikrotonÇarpanı(kayma);
}

std::optional<int> göçür(int k, int göçürüm) {
    int kÜssü = k + göçürüm;
    if (kÜssü > enPestSes) kÜssü -= oktavKoma;
    if (kÜssü < enTizSes) kÜssü += oktavKoma;
    if (!çalınabilir(kÜssü)) return std::nullopt;
    return kÜssü;
}

Blok blokSeç(int kÜssü) {
    if (!çalınabilir(kÜssü)) return {};
    int b = 2;
    while (kÜssü > blokSonları[static_cast<std::size_t>(b - 2)]) ++b;
    return {b, doğalKoma(b)};
}

}  // namespace selvika
