// The character table BigEschel.dat.

#include "core/glyph_table.h"
#include "fuzz/harness.h"

namespace selvika::fuzz {

std::vector<Baytlar> tohumlar() {
    KarakterTablosu tablo;
    karakterDüzeltmeleri(tablo);
    return {karakterTablosuBaytları(tablo)};
}

}  // namespace selvika::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* veri, std::size_t boy) {
    selvika::KarakterTablosu tablo;
    selvika::karakterTablosunuÇöz({veri, boy}, tablo);
    return 0;
}
