#include "render/beam_geometry.h"

#include <algorithm>
#include <array>

namespace selvika {

KirişÇifti kirişÇifti(Byte kod) {
    static constexpr std::array<KirişÇifti, 10> çiftler{{
        {1, 1}, {2, 1}, {1, 2}, {2, 2}, {3, 2}, {2, 3}, {3, 3}, {4, 3}, {3, 4}, {4, 4},
    }};
    return kod < çiftler.size() ? çiftler[kod] : KirişÇifti{1, 1};
}

std::vector<KirişParçası> kirişParçaları(const std::vector<Byte>& kodlar) {
    std::vector<KirişParçası> parçalar;
    const int n = static_cast<int>(kodlar.size()) + 1;
    // Beams each member shares with its left and right neighbour.
    std::vector<int> solOrtak(n, 0), sağOrtak(n, 0);
    for (int i = 0; i + 1 < n; ++i) {
        KirişÇifti ç = kirişÇifti(kodlar[i]);
        sağOrtak[i] = solOrtak[i + 1] = std::min(ç.sol, ç.sağ);
    }
    for (int seviye = 1; seviye <= 4; ++seviye) {
        for (int i = 0; i + 1 < n;) {
            if (sağOrtak[i] < seviye) { ++i; continue; }
            int j = i;
            while (j + 1 < n && sağOrtak[j] >= seviye) ++j;
            parçalar.push_back({seviye, i, j, 0});
            i = j;
        }
        for (int i = 0; i + 1 < n; ++i) {
            KirişÇifti ç = kirişÇifti(kodlar[i]);
            if (ç.sol >= seviye && solOrtak[i] < seviye && sağOrtak[i] < seviye) parçalar.push_back({seviye, i, i, +1});
            if (ç.sağ >= seviye && solOrtak[i + 1] < seviye && sağOrtak[i + 1] < seviye)
                parçalar.push_back({seviye, i + 1, i + 1, -1});
        }
    }
    return parçalar;
}

KirişHattı kirişHattı(const std::vector<KirişÜyesi>& üyeler, bool yukarı, double sapBoyu, double aralık, double ortaY) {
    const double yön = yukarı ? -1 : 1;
    const KirişÜyesi& ilk = üyeler.front();
    const KirişÜyesi& son = üyeler.back();
    const double en = son.sapX - ilk.sapX;
    // Whether head a stands nearer the beam than head b.
    auto öndeMi = [&](const KirişÜyesi& a, const KirişÜyesi& b) { return yön * (a.başY - b.başY) > 0; };
    const bool içBüyük = std::any_of(üyeler.begin() + 1, üyeler.end() - 1,
                                     [&](const KirişÜyesi& ü) { return öndeMi(ü, ilk) && öndeMi(ü, son); });
    double eğim = 0;
    if (en > 0 && !içBüyük) {
        const double sınır = (üyeler.size() == 2 ? 0.5 : 1.0) * aralık;
        eğim = std::clamp((son.başY - ilk.başY) / 2, -sınır, sınır) / en;
    }
    KirişHattı h{ilk.başY + yön * sapBoyu - eğim * ilk.sapX, eğim};
    // The stem that comes out shortest decides how far the beam moves.
    double kayma = 0;
    for (const KirişÜyesi& ü : üyeler)
        kayma = std::max({kayma, sapBoyu - yön * (h.y(ü.sapX) - ü.başY), yön * (ortaY - h.y(ü.sapX))});
    h.a += yön * kayma;
    return h;
}

GurupAralığı gurubu(const Satır& satır, int i, int adet) {
    auto yeri = [&](int j) { return satır.elemanlar[j].gurup.gurupYeri; };
    if (i < 1 || i > adet || yeri(i) == 0) return {};
    int ilk = i, son = i;
    if (yeri(ilk) != 1) do --ilk; while (ilk > 1 && yeri(ilk) == 2);
    if (yeri(son) != 3) do ++son; while (son < adet && yeri(son) == 2);
    if (ilk < 1 || son > adet || yeri(ilk) != 1 || yeri(son) != 3) return {};
    return {ilk, son};
}

bool gurupSapıYukarı(const std::vector<int>& konumlar) {
    constexpr int orta = 14;
    int aşağıUzak = 0, yukarıUzak = 0, aşağıda = 0, yukarıda = 0;
    for (int p : konumlar) {
        if (p > orta) ++aşağıda, aşağıUzak = std::max(aşağıUzak, p - orta);
        if (p < orta) ++yukarıda, yukarıUzak = std::max(yukarıUzak, orta - p);
    }
    if (aşağıUzak != yukarıUzak) return aşağıUzak > yukarıUzak;
    return aşağıda > yukarıda;
}

}  // namespace selvika
