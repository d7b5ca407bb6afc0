#include "rhythm/durations.h"

#include <algorithm>
#include <utility>

#include "rhythm/rounding.h"

namespace selvika {
namespace {

std::optional<KirişKodu> kod(const Satır& satır, int j) {
    Byte k = satır.elemanlar[j].gurup.kiriş;
    if (k >= kirişKodları.size()) return std::nullopt;
    return kirişKodları[k];
}

constexpr std::pair<Integer, std::string_view> süreAdları[] = {
    {2, "bir adet 64 lük"}, {4, "bir adet 32 lik"}, {6, "üç adet 64 lük"},  {8, "bir adet 16 lık"},
    {12, "üç adet 32 lik"}, {16, "bir adet 8 lik"}, {24, "üç adet 16 lık"}, {32, "bir adet 4 lük"},
    {48, "üç adet 8 lik"},  {64, "bir adet 2 lik"}, {96, "üç adet 4 lük"},  {128, "bir adet birlik"},
};

}  // namespace

std::optional<Byte> kirişSüresi(const Satır& satır, int seçim) {
    Byte yer = satır.elemanlar[seçim].gurup.gurupYeri;
    if (yer == gurupYeri::ilk) {
        auto bu = kod(satır, seçim);
        return bu ? std::optional(bu->sol) : std::nullopt;
    }
    auto önceki = kod(satır, seçim - 1);
    if (yer == gurupYeri::son) return önceki ? std::optional(önceki->sağ) : std::nullopt;
    // An inner note has as many beams as the fuller of its two sides.
    auto bu = kod(satır, seçim);
    if (!önceki || !bu) return std::nullopt;
    return std::max(önceki->sağ, bu->sol);
}

Byte surebul(const Satır& tampon, int seçim, Etkileşim& etkileşim) {
    if (auto süre = kirişSüresi(tampon, seçim)) return *süre;
    etkileşim.mesaj(süreHatası);
    return 8;
}

Byte surebul1(const Satır& satır, int seçim) { return kirişSüresi(satır, seçim).value_or(0); }

std::optional<ElemanDeğeri> elemanDeğeri(const Satır& satır, int j) {
    const Eleman& e = satır.elemanlar[j];
    bool kirişli = e.gurup.gurupYeri > gurupYeri::yok;
    Byte payda = kirişli ? surebul1(satır, j) : e.süre;
    if (payda == 0) return std::nullopt;
    auto taban = static_cast<Integer>(yuvarla(double(birlikBirim) / payda));
    int son = j;
    if (kirişli && e.triole.trioleYeri == trioleYeri::ilk) {
        taban *= 2;
        son = std::min(j + 2, int(sonElemanYuvası));
    }
    // After a triplet the dot is the one of the note that ends it.
    Integer birim = taban;
    if (satır.elemanlar[son].nokta == 1) birim += static_cast<Integer>(yuvarla(taban / 2.0));
    return ElemanDeğeri{birim, son};
}

std::optional<std::string_view> süreAdı(Integer birim) {
    for (const auto& [b, ad] : süreAdları)
        if (b == birim) return ad;
    return std::nullopt;
}

}  // namespace selvika
