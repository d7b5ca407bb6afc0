#include "audio/tuning_sine_note.h"

#include <cmath>

#include "rhythm/rounding.h"

namespace selvika {

ÖrnekTamponu sinüsNotası(Single f) {
    constexpr double tepe = 32000;
    constexpr long kenar = 5000;  // round(0.05 × length)
    const double w = f * 0.000142475857;
    ÖrnekTamponu nota(static_cast<std::size_t>(sinüsUzunluğu));
    double a = 0;
    for (long i = 1; i <= sinüsUzunluğu; ++i) {
        if (i <= kenar) a += tepe / kenar;
        else if (i > sinüsUzunluğu - kenar) a -= tepe / kenar;
        const double s = std::sin(i * w);
        nota[static_cast<std::size_t>(i - 1)] = static_cast<Integer>(yuvarla(s * s * s * a));
    }
    return nota;
}

}  // namespace selvika
