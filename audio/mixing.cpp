#include "audio/mixing.h"

#include <algorithm>
#include <cstdint>

namespace selvika {
namespace {

// The nearest whole sample, halves to the even neighbour as lrint gives it,
// in steps the compiler can run on vectors: adding 1.5 × 2^52 leaves no
// fraction, and the default rounding drops it to the nearest even.
Integer örnekYuvarla(double değer) {
    constexpr double kaydırma = 6755399441055744.0;
    return static_cast<Integer>(static_cast<int>((değer + kaydırma) - kaydırma));
}

}  // namespace

void yarıyaKat(std::span<Integer> tampon, long t, std::span<const Integer> kaynak, long adet, double q) {
    if (t < 1) return;
    auto baş = static_cast<std::size_t>(t - 1);
    if (baş >= tampon.size() || adet <= 0) return;
    std::size_t n = std::min({static_cast<std::size_t>(adet), tampon.size() - baş, kaynak.size()});
    Integer* hedef = tampon.data() + baş;
    if (q == 1) {
        // Without a fade both halves are whole numbers: their sum halved, a
        // half going to the even neighbour as the rounding of the real sum
        // does; worked out on the two halves so that it stays in 16 bits.
        for (std::size_t j = 0; j < n; ++j) {
            const Integer a = hedef[j], b = kaynak[j];
            const auto aşağı = static_cast<Integer>((a >> 1) + (b >> 1) + (a & b & 1));
            hedef[j] = static_cast<Integer>(aşağı + ((a ^ b) & aşağı & 1));
        }
        return;
    }
    double bölen = 1;
    for (std::size_t j = 0; j < n; ++j) {
        hedef[j] = yarıyaKat(hedef[j], kaynak[j] / bölen);
        bölen *= q;
    }
}

void melodiKarışımı(std::span<const KarışacakSes> sesler, std::span<Integer> karışım) {
    if (sesler.empty()) return;
    if (sesler.size() == 1) {
        if (sesler[0].örnekler.data() != karışım.data()) std::ranges::copy(sesler[0].örnekler, karışım.begin());
        return;
    }
    int toplam = 0;
    for (const KarışacakSes& s : sesler) toplam += s.ağırlık;
    // Every voice at volume 0 leaves no proportion to keep: they count alike.
    const double bölen = toplam > 0 ? toplam : static_cast<double>(sesler.size());
    // A block at a time, voice after voice, so that each step runs over a
    // row of samples, and a block is read whole before it is written. The
    // weighted sum of 16-bit samples and byte volumes is a whole number well
    // inside 32 bits, the same in integers as in reals.
    constexpr std::size_t blok = 1024;
    std::array<std::int32_t, blok> tartılı;
    for (std::size_t baş = 0; baş < karışım.size(); baş += blok) {
        const std::size_t n = std::min(blok, karışım.size() - baş);
        std::fill_n(tartılı.begin(), n, 0);
        for (const KarışacakSes& s : sesler) {
            const std::int32_t ağırlık = toplam > 0 ? s.ağırlık : 1;
            const Integer* örnek = s.örnekler.data() + baş;
            for (std::size_t i = 0; i < n; ++i) tartılı[i] += örnek[i] * ağırlık;
        }
        for (std::size_t i = 0; i < n; ++i) karışım[baş + i] = örnekYuvarla(tartılı[i] / bölen);
    }
}

void ritmiKat(std::span<Integer> melodi, std::span<const Integer> ritim, int yüzde) {
    // The volume slider stops at 100; a larger stored value counts as the rhythm alone.
    double p = std::clamp(yüzde, 0, 100) / 100.0;
    std::size_t n = std::min(melodi.size(), ritim.size());
    for (std::size_t i = 0; i < n; ++i) melodi[i] = örnekYuvarla((1 - p) * melodi[i] + p * ritim[i]);
}

std::vector<Integer> pasajKarışımı(PasajSesleri sesler, const std::optional<std::vector<Integer>>& ritim,
                                   const Pasaj& pasaj, std::size_t örnekSayısı, Etkileşim& etkileşim) {
    std::vector<KarışacakSes> çalanlar;
    for (std::size_t s = 0; s < sesler.size(); ++s)
        if (sesler[s]) çalanlar.push_back({*sesler[s], pasaj.sesSeviyeleri[s]});
    if (çalanlar.empty()) etkileşim.mesaj(hiçbirSazSeçilmemiş);
    if (çalanlar.empty() && !ritim) return {};
    // The mix takes the place of the first voice that sounded: moving its
    // buffer keeps the samples where the voice list sees them.
    std::vector<Integer> karışım(çalanlar.empty() ? örnekSayısı : 0, 0);
    if (!çalanlar.empty()) {
        karışım = std::move(**std::ranges::find_if(sesler, [](const auto& ses) { return ses.has_value(); }));
        melodiKarışımı(çalanlar, karışım);
    }
    if (ritim) ritmiKat(karışım, *ritim, pasaj.ritimSesi);
    return karışım;
}

}  // namespace selvika
