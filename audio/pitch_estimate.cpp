#include "audio/pitch_estimate.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "audio/sample_rate.h"

namespace selvika {
namespace {

constexpr double çeyrekTon = 50;  // cents
constexpr int adım = 25;          // a quarter tone's spectrum sampled every two cents

double logGenlik(const std::vector<double>& x, double f) {
    const std::complex<double> w = std::polar(1.0, -2 * std::numbers::pi * f / örneklemeHızı);
    std::complex<double> z = 1, t;
    for (double v : x) {
        t += v * z;
        z *= w;
    }
    return std::log(std::abs(t) + 1e-12);
}

}  // namespace

double sentFarkı(double f, double hedef) { return 1200 * std::log2(f / hedef); }

std::optional<double> frekansÖlç(std::span<const Integer> örnekler, double yaklaşık) {
    const std::size_t m = örnekler.size();
    if (m < 3 || !(yaklaşık > 0)) return std::nullopt;
    std::vector<double> x(m);
    for (std::size_t i = 0; i < m; ++i)
        x[i] = örnekler[i] * (0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / double(m - 1)));
    auto sent = [](int i) { return çeyrekTon * (i - adım) / adım; };
    std::vector<double> g(2 * adım + 1);
    for (int i = 0; i <= 2 * adım; ++i) g[std::size_t(i)] = logGenlik(x, yaklaşık * std::exp2(sent(i) / 1200));
    const auto tepe = static_cast<std::size_t>(std::max_element(g.begin(), g.end()) - g.begin());
    if (tepe == 0 || tepe == g.size() - 1) return std::nullopt;
    const double a = g[tepe - 1], b = g[tepe], c = g[tepe + 1];
    const double kayma = 0.5 * (a - c) / (a - 2 * b + c);
    return yaklaşık * std::exp2((sent(int(tepe)) + kayma * çeyrekTon / adım) / 1200);
}

}  // namespace selvika
