// The tuning presets of the sample files, AkortOnayarlari.txt.

#include "audio/tuning_factors.h"
#include "fuzz/harness.h"

namespace selvika::fuzz {

std::vector<Baytlar> tohumlar() {
    std::string metin = "# saz and the preset of each recorded perde in fifth-komas\n";
    ÖnAyar önAyar{};
    for (std::size_t b = 0; b < önAyar.size(); ++b) önAyar[b] = static_cast<int>(b % 5) - 2;
    for (int saz = saz::kanun; saz <= saz::son; ++saz) metin += önAyarSatırı(saz, önAyar) + '\n';
    return {Baytlar(metin.begin(), metin.end())};
}

}  // namespace selvika::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* veri, std::size_t boy) {
    using namespace selvika;
    AkortÇarpanları(fuzz::dosyaOlarak(önAyarDosyasıAdı, {veri, boy}).parent_path());
    return 0;
}
