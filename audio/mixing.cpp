#include "audio/mixing.h"

#include <algorithm>

namespace selvika {

void yarıyaKat(std::span<Integer> tampon, long t, std::span<const Integer> kaynak, long adet, double q) {
    if (t < 1) return;
    auto baş = static_cast<std::size_t>(t - 1);
    if (baş >= tampon.size() || adet <= 0) return;
    std::size_t n = std::min({static_cast<std::size_t>(adet), tampon.size() - baş, kaynak.size()});
    Integer* hedef = tampon.data() + baş;
    double bölen = 1;
    for (std::size_t j = 0; j < n; ++j) {
        hedef[j] = yarıyaKat(hedef[j], kaynak[j] / bölen);
        bölen *= q;
    }
}

std::vector<Integer> melodiKarışımı(std::span<const KarışacakSes> sesler) {
    if (sesler.empty()) return {};
    if (sesler.size() == 1) return {sesler[0].örnekler.begin(), sesler[0].örnekler.end()};
    double toplam = 0;
    for (const KarışacakSes& s : sesler) toplam += s.ağırlık;
    std::vector<Integer> karışım(sesler[0].örnekler.size());
    for (std::size_t i = 0; i < karışım.size(); ++i) {
        double tartılı = 0;
        // Every voice at volume 0 leaves no proportion to keep: they count alike.
        for (const KarışacakSes& s : sesler) tartılı += s.örnekler[i] * (toplam > 0 ? s.ağırlık : 1.0);
        karışım[i] = static_cast<Integer>(std::lrint(tartılı / (toplam > 0 ? toplam : sesler.size())));
    }
    return karışım;
}

void ritmiKat(std::span<Integer> melodi, std::span<const Integer> ritim, int yüzde) {
    // The volume slider stops at 100; a larger stored value counts as the rhythm alone.
    double p = std::clamp(yüzde, 0, 100) / 100.0;
    std::size_t n = std::min(melodi.size(), ritim.size());
    for (std::size_t i = 0; i < n; ++i)
        melodi[i] = static_cast<Integer>(std::lrint((1 - p) * melodi[i] + p * ritim[i]));
}

std::vector<Integer> pasajKarışımı(const PasajSesleri& sesler, const std::optional<std::vector<Integer>>& ritim,
                                   const Pasaj& pasaj, std::size_t örnekSayısı, Etkileşim& etkileşim) {
    std::vector<KarışacakSes> çalanlar;
    for (std::size_t s = 0; s < sesler.size(); ++s)
        if (sesler[s]) çalanlar.push_back({*sesler[s], pasaj.sesSeviyeleri[s]});
    if (çalanlar.empty()) etkileşim.mesaj(hiçbirSazSeçilmemiş);
    if (çalanlar.empty() && !ritim) return {};
    auto karışım = çalanlar.empty() ? std::vector<Integer>(örnekSayısı, 0) : melodiKarışımı(çalanlar);
    if (ritim) ritmiKat(karışım, *ritim, pasaj.ritimSesi);
    return karışım;
}

}  // namespace selvika
