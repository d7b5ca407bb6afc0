#include "interchange/note_values.h"

#include <array>

namespace selvika {
namespace {

// Longest first.
constexpr std::array<NotaDeğeri, 14> notaDeğerleri{{
    {1, true, 576},
    {1, false, 384},
    {2, true, 288},
    {2, false, 192},
    {4, true, 144},
    {4, false, 96},
    {8, true, 72},
    {8, false, 48},
    {16, true, 36},
    {16, false, 24},
    {32, true, 18},
    {32, false, 12},
    {64, true, 9},
    {64, false, 6},
}};

}  // namespace

std::optional<std::vector<NotaDeğeri>> değerlereBöl(int uzunluk) {
    std::vector<NotaDeğeri> parçalar;
    for (const NotaDeğeri& d : notaDeğerleri)
        while (uzunluk >= d.uzunluk) {
            parçalar.push_back(d);
            uzunluk -= d.uzunluk;
        }
    if (uzunluk != 0) return std::nullopt;
    return parçalar;
}

}  // namespace selvika
