#include "edit/range_marks.h"

#include <algorithm>
#include <array>

#include "edit/element_gap.h"
#include "edit/spans.h"

namespace selvika {
namespace {

struct ModİşaretTürü {
    DüzenModu mod;
    Aralık aralık;
    const char* başlangıçUygunDeğil;
    const char* bitişUygunDeğil;
};

constexpr std::array<ModİşaretTürü, 3> modlar = {{
    {DüzenModu::kresendo, Aralık::kresendo, "seçilen yerin başlangıcı kresendo için uygun degil",
     "seçilen yerin bitişi kresendo için uygun degil"},
    {DüzenModu::hece, Aralık::heceÇizgi, "seçilen yerin başlangıcı güfteye uygun degil",
     "seçilen yerin bitişi güfteye uygun degil"},
    {DüzenModu::dolap, Aralık::dolap, "seçilen yerin başlangıcı dolap için uygun degil",
     "seçilen yerin bitişi dolap için uygun degil"},
}};

}  // namespace

std::optional<SeçiliAralık> sürüklenenAralık(const Satır& satır, int basX, int bırakX) {
    const auto ilk = ilkİçeren(satır, std::min(basX, bırakX));
    const auto son = sonİçeren(satır, std::max(basX, bırakX));
    if (!ilk || !son || *ilk > *son) return std::nullopt;
    return SeçiliAralık{*ilk, *son};
}

bool aralıkİşaretle(Satır& satır, DüzenModu mod, int basX, int bırakX, Etkileşim& etkileşim) {
    const auto tür = std::ranges::find(modlar, mod, &ModİşaretTürü::mod);
    if (tür == modlar.end()) return false;
    const auto ilk = ilkİçeren(satır, std::min(basX, bırakX));
    if (!ilk) {
        etkileşim.ikazYaz(tür->başlangıçUygunDeğil);
        return false;
    }
    const auto son = sonİçeren(satır, std::max(basX, bırakX));
    if (!son || *son < *ilk) {
        etkileşim.ikazYaz(tür->bitişUygunDeğil);
        return false;
    }
    // A span needs a start and an end of its own.
    if (*ilk == *son) {
        if (mod == DüzenModu::dolap) etkileşim.ikazYaz(tekElemanaDolap);
        return false;
    }
    for (int j = *ilk; j <= *son; ++j)
        aralıkİşareti(satır.elemanlar[j], tür->aralık) = j == *ilk ? 1 : j == *son ? 3 : 2;
    return true;
}

}  // namespace selvika
