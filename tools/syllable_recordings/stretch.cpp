#include "tools/syllable_recordings/stretch.h"

#include <rubberband/RubberBandStretcher.h>

#include <algorithm>

#include "audio/sample_rate.h"

namespace selvika {

Ses esnet(const Ses& ses, double zamanOranı, double perdeOranı, std::size_t uzunluk) {
    using RubberBand::RubberBandStretcher;
    RubberBandStretcher esneten(örneklemeHızı, 1,
                                RubberBandStretcher::OptionProcessOffline | RubberBandStretcher::OptionEngineFiner |
                                    RubberBandStretcher::OptionFormantPreserved,
                                zamanOranı, perdeOranı);
    constexpr std::size_t parça = 4096;
    esneten.setExpectedInputDuration(ses.size());
    esneten.setMaxProcessSize(parça);
    const float* girdi = ses.data();
    esneten.study(&girdi, ses.size(), true);
    Ses çıktı;
    auto al = [&] {
        while (esneten.available() > 0) {
            const std::size_t önce = çıktı.size();
            çıktı.resize(önce + static_cast<std::size_t>(esneten.available()));
            float* yer = çıktı.data() + önce;
            esneten.retrieve(&yer, çıktı.size() - önce);
        }
    };
    for (std::size_t i = 0; i < ses.size(); i += parça) {
        const float* p = ses.data() + i;
        const std::size_t n = std::min(parça, ses.size() - i);
        esneten.process(&p, n, i + n == ses.size());
        al();
    }
    çıktı.resize(uzunluk);
    return çıktı;
}

}  // namespace selvika
