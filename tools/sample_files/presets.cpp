#include "tools/sample_files/presets.h"

#include <cmath>
#include <limits>
#include <span>

#include "audio/frequencies.h"
#include "audio/pitch_estimate.h"
#include "pitch/degrees.h"
#include "tools/sample_files/recordings.h"

namespace selvika {

AkortÖlçümü akortÖlç(const ÖrnekTamponu& dosya, const SazSesi& ses) {
    AkortÖlçümü ölçüm;
    const long uzunluk = blokUzunluğu(ses.saz);
    const KararlıBölüm bölüm = kararlıBölüm(ses);
    for (int b = 1; b <= kayıtlıPerdeSayısı; ++b) {
        const auto i = static_cast<std::size_t>(b - 1);
        const std::span<const Integer> kararlı(dosya.data() + (kayıtlıPerdeSayısı - b) * uzunluk + bölüm.baş,
                                               static_cast<std::size_t>(bölüm.son - bölüm.baş));
        const double hedef = frekanslar()[static_cast<std::size_t>(doğalKoma(b))];
        const std::optional<double> f = frekansÖlç(kararlı, hedef);
        ölçüm.sapma[i] = f ? sentFarkı(*f, hedef) : std::numeric_limits<double>::quiet_NaN();
        ölçüm.önAyar[i] = f ? static_cast<int>(std::lrint(265 * std::log2(hedef / *f))) : 0;
    }
    return ölçüm;
}

}  // namespace selvika
