#include "interchange/musicxml_accidentals.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace selvika {
namespace {

constexpr std::array<MusicXmlArızası, 8> aeuArızaları{{
    {-8, "double-slash-flat", "accidentalBuyukMucennebFlat"},
    {-5, "flat", "accidentalKucukMucennebFlat"},
    {-4, "slash-flat", "accidentalBakiyeFlat"},
    {-1, "quarter-flat", "accidentalKomaFlat"},
    {1, "quarter-sharp", "accidentalKomaSharp"},
    {4, "sharp", "accidentalBakiyeSharp"},
    {5, "slash-quarter-sharp", "accidentalKucukMucennebSharp"},
    {8, "slash-sharp", "accidentalBuyukMucennebSharp"},
}};
constexpr MusicXmlArızası bekarİşareti{0, "natural", "accidentalNatural"};

// Glyphs other writers use for the same counts.
struct BaşkaAd {
    std::string_view ad;
    int koma;
};
constexpr std::array<BaşkaAd, 6> başkaAdlar{{
    {"accidentalFlat", -5},
    {"accidentalSharp", 4},
    {"flat-flat", -8},
    {"double-sharp", 8},
    {"sharp-sharp", 8},
    {"three-quarters-flat", -8},
}};

std::optional<int> glifKoması(std::string_view ad) {
    if (ad.empty()) return std::nullopt;
    if (ad == bekarİşareti.değer || ad == bekarİşareti.smufl) return 0;
    for (const MusicXmlArızası& a : aeuArızaları)
        if (ad == a.değer || ad == a.smufl) return a.koma;
    for (const BaşkaAd& b : başkaAdlar)
        if (ad == b.ad) return b.koma;
    return std::nullopt;
}

}  // namespace

std::optional<MusicXmlArızası> musicXmlArızası(int koma) {
    if (koma == 0) return std::nullopt;
    const MusicXmlArızası* en = &aeuArızaları.front();
    for (const MusicXmlArızası& a : aeuArızaları)
        if (std::abs(a.koma - koma) < std::abs(en->koma - koma)) en = &a;
    return *en;
}

AlterKoması alterKoması(double alter) {
    const int yakın = static_cast<int>(std::lround(alter / komaYarımSes));
    return {yakın, std::abs(yakın * komaYarımSes - alter) < 0.001};
}

std::string yarımSesFarkı(int koma) {
    char metin[16];
    std::snprintf(metin, sizeof metin, "%.4f", koma * komaYarımSes);
    return metin;
}

std::optional<int> komaSayısı(std::string_view değer, std::string_view smufl, std::optional<double> alter) {
    std::optional<int> glif = glifKoması(smufl);
    if (!glif) glif = glifKoması(değer);
    if (!alter) return glif;
    const AlterKoması a = alterKoması(*alter);
    if (glif && !(a.tam && a.koma != 0)) return glif;
    return a.koma;
}

}  // namespace selvika
