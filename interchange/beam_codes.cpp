#include "interchange/beam_codes.h"

#include <algorithm>
#include <optional>

#include "rhythm/durations.h"

namespace selvika {
namespace {

std::optional<Byte> kodu(Byte sol, Byte sağ) {
    for (std::size_t k = 0; k < kirişKodları.size(); ++k)
        if (kirişKodları[k].sol == sol && kirişKodları[k].sağ == sağ) return static_cast<Byte>(k);
    return std::nullopt;
}

// The right end a code from `sol` may have that reads as `sonraki` for a
// last member (exactly) or an inner one (the fuller side wins: at most).
std::optional<Byte> sağUç(Byte sol, Byte sonraki, bool son) {
    std::optional<Byte> seçilen;
    for (const KirişKodu& k : kirişKodları)
        if (k.sol == sol && (son ? k.sağ == sonraki : k.sağ <= sonraki)) seçilen = std::max(seçilen.value_or(0), k.sağ);
    return seçilen;
}

}  // namespace

std::vector<KirişGurubu> kirişGuruplarınaBöl(std::span<const Byte> paydalar) {
    std::vector<KirişGurubu> guruplar;
    const int adet = static_cast<int>(paydalar.size());
    auto i = [](int n) { return static_cast<std::size_t>(n); };
    int ilk = 0;
    while (ilk < adet) {
        // Grow while the next member can be reached as an inner member.
        int son = ilk;
        while (son + 1 < adet && sağUç(paydalar[i(son)], paydalar[i(son + 1)], false)) ++son;
        // The last member must be reached exactly; else it starts the next group.
        while (son > ilk && !sağUç(paydalar[i(son - 1)], paydalar[i(son)], true)) --son;
        if (son > ilk) {
            KirişGurubu g{ilk, son, {}};
            for (int m = ilk; m < son; ++m) {
                const Byte sağ = *sağUç(paydalar[i(m)], paydalar[i(m + 1)], m + 1 == son);
                g.kodlar.push_back(*kodu(paydalar[i(m)], sağ));
            }
            guruplar.push_back(std::move(g));
        }
        ilk = son + 1;
    }
    return guruplar;
}

}  // namespace selvika
