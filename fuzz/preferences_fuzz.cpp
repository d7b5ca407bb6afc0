// Tercih.dat of the program folder.

#include "core/packing.h"
#include "core/preferences_file.h"
#include "fuzz/harness.h"

namespace selvika::fuzz {

std::vector<Baytlar> tohumlar() { return {pack(varsayılanTercihler())}; }

}  // namespace selvika::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* veri, std::size_t boy) {
    using namespace selvika;
    tercihleriOku(fuzz::dosyaOlarak(tercihDosyası, {veri, boy}).parent_path());
    return 0;
}
