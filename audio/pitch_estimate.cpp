#include "audio/pitch_estimate.h"

#include <fftw3.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>
#include <mutex>
#include <numbers>
#include <vector>

#include "audio/sample_rate.h"

namespace selvika {

namespace {

constexpr double çeyrekTon = 50;  // cents
constexpr std::size_t dolgu = 4;  // zero padding: the FFT bins are this much finer

// The log magnitudes of the real FFT of `girdi`, bins 0..n/2.
std::vector<double> logGenlikler(std::vector<double>& girdi) {
    const std::size_t n = girdi.size();
    std::unique_ptr<fftw_complex[], decltype(&fftw_free)> çıktı(fftw_alloc_complex(n / 2 + 1), fftw_free);
    // Only the execution of a plan may run on several threads at once.
    static std::mutex planlayıcı;
    fftw_plan plan;
    {
        std::scoped_lock kilit(planlayıcı);
        plan = fftw_plan_dft_r2c_1d(static_cast<int>(n), girdi.data(), çıktı.get(), FFTW_ESTIMATE);
    }
    fftw_execute(plan);
    {
        std::scoped_lock kilit(planlayıcı);
        fftw_destroy_plan(plan);
    }
    std::vector<double> genlik(n / 2 + 1);
    for (std::size_t i = 0; i < genlik.size(); ++i)
        genlik[i] = std::log(std::hypot(çıktı[i][0], çıktı[i][1]) + 1e-12);
    return genlik;
}

}  // namespace

double sentFarkı(double f, double hedef) { return 1200 * std::log2(f / hedef); }

std::optional<double> frekansÖlç(std::span<const Integer> örnekler, double yaklaşık) {
    const std::size_t m = örnekler.size();
    if (m < 3 || !(yaklaşık > 0)) return std::nullopt;
    std::vector<double> girdi(std::bit_ceil(m) * dolgu, 0.0);
    for (std::size_t i = 0; i < m; ++i)
        girdi[i] = örnekler[i] * (0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / (m - 1)));
    const std::vector<double> genlik = logGenlikler(girdi);
    const double bin = static_cast<double>(örneklemeHızı) / static_cast<double>(girdi.size());
    const auto alt = static_cast<std::size_t>(std::ceil(yaklaşık * std::exp2(-çeyrekTon / 1200) / bin));
    const auto üst = static_cast<std::size_t>(std::floor(yaklaşık * std::exp2(çeyrekTon / 1200) / bin));
    if (alt < 1 || üst + 1 >= genlik.size() || alt > üst) return std::nullopt;
    const auto tepe = static_cast<std::size_t>(
        std::max_element(genlik.begin() + static_cast<long>(alt), genlik.begin() + static_cast<long>(üst) + 1) -
        genlik.begin());
    const double a = genlik[tepe - 1], b = genlik[tepe], c = genlik[tepe + 1];
    // A rising or falling edge at the end of the band is another partial's flank.
    if (a >= b || c >= b) return std::nullopt;
    const double kayma = 0.5 * (a - c) / (a - 2 * b + c);
    return (static_cast<double>(tepe) + kayma) * bin;
}

}  // namespace selvika
