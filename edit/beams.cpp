#include "edit/beams.h"

#include <algorithm>
#include <bit>

#include "rhythm/durations.h"

namespace selvika {

namespace {

inline constexpr int enKısaSüre = 64;
inline constexpr int enUzunDesen = 5;

// Beam count minus one: eighth 0, sixteenth 1, thirty-second 2, sixty-fourth 3.
int seviye(Byte süre) { return std::countr_zero(static_cast<unsigned>(süre)) - 3; }

Byte kod(int sol, int sağ) {
    const auto bul = std::find_if(kirişKodları.begin(), kirişKodları.end(), [&](const KirişKodu& k) {
        return seviye(k.sol) == sol && seviye(k.sağ) == sağ;
    });
    return static_cast<Byte>(bul - kirişKodları.begin());
}

// True when member i's extra beams go to the left neighbour.
bool solaBakar(std::span<const GurupÜyesi> üyeler, const std::vector<int>& s, std::size_t i) {
    if (i + 1 == üyeler.size()) return true;
    if (i == 0) return false;
    if (s[i - 1] != s[i + 1]) return s[i - 1] > s[i + 1];
    if (üyeler[i - 1].noktalı != üyeler[i + 1].noktalı) return üyeler[i - 1].noktalı;
    return false;
}

}  // namespace

int desenAnahtarı(std::span<const GurupÜyesi> üyeler) {
    int anahtar = 0;
    for (const GurupÜyesi& ü : üyeler) anahtar = anahtar * 10 + ü.süre / 8;
    return anahtar;
}

std::optional<std::vector<Byte>> kirişDeseni(std::span<const GurupÜyesi> üyeler) {
    const bool geçerli = std::all_of(üyeler.begin(), üyeler.end(), [](const GurupÜyesi& ü) {
        return ü.süre >= 8 && ü.süre <= enKısaSüre && std::has_single_bit(static_cast<unsigned>(ü.süre));
    });
    if (!geçerli || üyeler.size() < 2) return std::nullopt;
    std::vector<int> s;
    for (const GurupÜyesi& ü : üyeler) s.push_back(seviye(ü.süre));
    const std::size_t n = üyeler.size();
    std::vector<int> sol(n - 1), sağ(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) sol[k] = sağ[k] = std::min(s[k], s[k + 1]);
    for (std::size_t i = 0; i < n; ++i) {
        const bool komşusuKısa = (i > 0 && s[i - 1] >= s[i]) || (i + 1 < n && s[i + 1] >= s[i]);
        if (komşusuKısa) continue;
        // A code spans one level at most: a note two levels shorter than
        // its neighbour gets the nearest value the codes can tell.
        if (solaBakar(üyeler, s, i))
            sağ[i - 1] = std::min(s[i], s[i - 1] + 1);
        else
            sol[i] = std::min(s[i], s[i + 1] + 1);
    }
    std::vector<Byte> kodlar;
    for (std::size_t k = 0; k + 1 < n; ++k) kodlar.push_back(kod(sol[k], sağ[k]));
    return kodlar;
}

bool kirişAta(Satır& satır, int ilk, int son, Etkileşim& etkileşim) {
    std::vector<GurupÜyesi> üyeler;
    for (int j = ilk; j <= son; ++j) üyeler.push_back({satır.elemanlar[j].süre, satır.elemanlar[j].nokta == 1});
    const auto kodlar = kirişDeseni(üyeler);
    if (!kodlar) {
        etkileşim.mesaj(gurupGeçersizNota);
        return false;
    }
    if (üyeler.size() > enUzunDesen) return true;
    for (int j = ilk; j < son; ++j) satır.elemanlar[j].gurup.kiriş = (*kodlar)[static_cast<std::size_t>(j - ilk)];
    return true;
}

}  // namespace selvika
