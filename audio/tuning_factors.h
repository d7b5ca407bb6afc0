#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "audio/instruments.h"
#include "core/fixed_array.h"

namespace selvika {

// How far the recorded block of each perde of each instrument must be
// raised (> 1) or lowered to sound in tune, `A(i, b)` for instruments 1..12
// and perde indices 1..29. Presets and adjustments are whole fifth-komas;
// the table lives for the run and is not saved.
class AkortÇarpanları {
public:
    AkortÇarpanları();
    // The defaults with the presets of the program folder's preset file over
    // them; a missing or damaged file leaves every factor at its default.
    explicit AkortÇarpanları(const std::filesystem::path& klasör);

    Single operator()(int saz, int perde) const { return a_[saz][perde]; }

    // Moves a factor by whole fifths of a koma: ±1 for a fine step, ±5 for
    // a koma.
    void ayarla(int saz, int perde, int beşteBirKoma);

private:
    FixedArray<FixedArray<Single, 1, 29>, 1, saz::son> a_;
};

// A factor of n fifth-komas, 2^(n/265).
Single beşteBirKomaÇarpanı(int beşteBirKoma);

// The presets measured when the sample files were made, one line per
// instrument: its code and the fifth-komas of perde indices 1..23.
inline constexpr std::string_view önAyarDosyasıAdı = "AkortOnayarlari.txt";
using ÖnAyar = std::array<int, kayıtlıPerdeSayısı>;
std::string önAyarSatırı(int saz, const ÖnAyar& önAyar);

}  // namespace selvika
