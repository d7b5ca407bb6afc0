// The score file: what opens must also save and open again.

#include "core/defaults.h"
#include "core/score_file.h"
#include "fuzz/harness.h"
#include "tests/support/score_fixtures.h"

namespace selvika::fuzz {

// A score with every line full is half a megabyte: one is enough.
std::vector<Baytlar> tohumlar() {
    return {eserDosyası(*yeniEser(varsayılanTercihler())), eserDosyası(*test::örnekEser()),
            eserDosyası(*test::herAlanıDoluEser(1))};
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
