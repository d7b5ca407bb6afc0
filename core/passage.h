#pragma once

#include "core/fixed_text.h"
#include "core/widths.h"

namespace selvika {

// A passage of the performance plan; the line-play record "Satır" has the
// same shape.
struct Pasaj {
    Text<16> ad;
    Integer başlangıçİndeksi = 0;
    Integer bitişİndeksi = 0;
    Byte başlangıçSatırı = 0;
    Byte bitişSatırı = 0;
    Byte başlangıçElemanı = 0;
    Byte bitişElemanı = 0;
    Byte birimNota = 0;
    Byte girişMetronomu = 0;
    Byte çıkışMetronomu = 0;
    Byte metronomKipi = 0;
    Text<5> solist;
    std::array<Text<5>, 3> eşlikler;
    Text<5> ritim;
    std::array<Byte, 4> sesSeviyeleri{};
    Byte ritimSesi = 0;
    Byte usulNumarası = 0;
    std::array<Byte, 4> göçürümler{};
    Byte kanallar = 0;

    static constexpr void fields(auto& r, auto&& f) {
        f(r.ad, r.başlangıçİndeksi, r.bitişİndeksi, r.başlangıçSatırı, r.bitişSatırı,
          r.başlangıçElemanı, r.bitişElemanı, r.birimNota, r.girişMetronomu, r.çıkışMetronomu,
          r.metronomKipi, r.solist, r.eşlikler, r.ritim, r.sesSeviyeleri, r.ritimSesi,
          r.usulNumarası, r.göçürümler, r.kanallar);
    }
    constexpr bool operator==(const Pasaj&) const = default;
};

// The per-passage values kept beside the passage table: the çeşni.
struct PasajDeğeri {
    Byte cins = 0;
    Byte çeşniPerdesi = 0;
    std::array<Byte, 2> ayrılmış{};

    static constexpr void fields(auto& r, auto&& f) { f(r.cins, r.çeşniPerdesi, r.ayrılmış); }
    constexpr bool operator==(const PasajDeğeri&) const = default;
};

}  // namespace selvika
