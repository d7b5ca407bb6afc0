// SymbTr texts, as the import reads them.

#include <sstream>

#include "core/file_io.h"
#include "fuzz/harness.h"
#include "interchange/symbtr_import.h"

namespace selvika::fuzz {
namespace {

constexpr std::string_view dosyaAdı = "hicaz--sarki--sofyan--deneme--selvika.txt";

// A header, an usul row, notes with and without accidentals, a triplet, a
// rest and syllables with a section label.
constexpr std::string_view parça =
    "Sira\tKod\tNota53\tNotaAE\tKoma53\tKomaAE\tPay\tPayda\tMs\tLNS\tBas\tSoz1\tOffset\n"
    "1\t51\t\t\t\t\t4\t4\t0\t0\t0\tSofyan\t0\n"
    "2\t9\tA4\tA4\t296\t305\t1\t4\t1\t95\t0\tSAZ\t0.25\n"
    "3\t9\tB4b4\tB4b4\t301\t310\t1\t8\t1\t95\t0\tGül\t0.375\n"
    "4\t9\tC5#4\tC5#4\t309\t318\t1\t12\t1\t95\t0\ta\t0.4583\n"
    "5\t9\tD5\tD5\t314\t323\t1\t12\t1\t95\t0\tçar\t0.5417\n"
    "6\t9\tE5\tE5\t323\t332\t1\t12\t1\t95\t0\tken\t0.625\n"
    "7\t9\tRest\tRest\t-1\t-1\t3\t8\t1\t95\t0\t.\t1\n";

}  // namespace

std::vector<Baytlar> tohumlar() { return {Baytlar(parça.begin(), parça.end())}; }

}  // namespace selvika::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* veri, std::size_t boy) {
    std::istringstream girdi(std::string(reinterpret_cast<const char*>(veri), boy));
    try {
        selvika::symbTrAl(girdi, selvika::fuzz::dosyaAdı);
    } catch (const selvika::DosyaHatası&) {
        // refused with its reason, as the user is told
    }
    return 0;
}
