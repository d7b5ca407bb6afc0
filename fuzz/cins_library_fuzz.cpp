// The cins library Cinsler.dat.

#include "analysis/cins_library.h"
#include "core/silent_interaction.h"
#include "fuzz/harness.h"

namespace selvika::fuzz {

std::vector<Baytlar> tohumlar() { return {cinsDosyası(varsayılanCinsler())}; }

}  // namespace selvika::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* veri, std::size_t boy) {
    selvika::SessizEtkileşim sessiz;
    selvika::cinsleriOku(selvika::fuzz::dosyaOlarak(selvika::cinsDosyaAdı, {veri, boy}), sessiz);
    return 0;
}
