// The score file: what opens must also save and open again.

#include "core/defaults.h"
#include "core/score_file.h"
#include "fuzz/harness.h"
#include "tests/support/score_fixtures.h"

namespace selvika::fuzz {

std::vector<Baytlar> tohumlar() {
    std::vector<Baytlar> t{eserDosyası(*yeniEser(varsayılanTercihler())), eserDosyası(*test::örnekEser())};
    for (unsigned tohum = 1; tohum <= 3; ++tohum) t.push_back(eserDosyası(*test::herAlanıDoluEser(tohum)));
    return t;
}

}  // namespace selvika::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* veri, std::size_t boy) {
    using namespace selvika;
    try {
        AçılanEser açılan = eserÇöz({veri, boy});
        eserÇöz(eserDosyası(*açılan.eser));
    } catch (const DosyaHatası&) {
        // A newer version or no score at all: refused with a message.
    }
    return 0;
}
