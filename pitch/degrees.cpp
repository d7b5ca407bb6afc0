#include "pitch/degrees.h"

#include <array>

namespace selvika {
namespace {

constexpr std::array<std::string_view, perdeSayısı> adlar = {
    "Tiz Muhayyer", "Tiz Gerdaniye", "Tiz Acem", "Tiz Hüseyni", "Tiz Neva",    "Tiz Çargah",   "Tiz Buselik",
    "Muhayyer",     "Gerdaniye",     "Acem",     "Hüseyni",     "Neva",        "Çargah",       "Buselik",
    "Dügah",        "Rast",          "Acem Aşiran", "Hüseyni Aşiran", "Yegah", "Kaba Çargah", "Kaba Buselik",
    "Kaba Dügah",   "Kaba Rast",     "K.A.Aşiran", "K.H.Aşiran", "K.Yegah",    "K.K.Çargah",   "K.K.Puselik",
    "K.K.Dügah"};

constexpr std::array<std::string_view, perdeSayısı + 1> çeşniler = {
    " Çeşni yok ",        " Tiz Muhayyer de ", " Tiz Gerdaniye de ", " Tiz Acem de ",    " Tiz Hüseyni de ",
    " Tiz Neva da ",      " Tiz Çargah da ",   " Tiz puselik de ",   " Muhayyer de ",    " Gerdaniye de ",
    " Acem de ",          " Hüseyni de ",      " Neva da ",          " Çargah da ",      " Puselik de ",
    " Dügah da ",         " Rast da ",         " Acemaşiran da ",    " Hüs.Aşiran da ",  " Yegah da ",
    " K.Çargah da ",      " K.Puselik de ",    " K.Dügah da ",       " K.Rast da ",      " K.A.Aşiran da ",
    " K.H.Aşiran da ",    " K.Yegah da ",      " K.K.Çargah da ",    " K.K.Puselik de ", " K.K.Dügah da "};

constexpr std::array<std::string_view, harfSayısı> harfAdları = {"sol", "fa", "mi", "re", "do", "si", "la"};

static_assert(doğalKoma(1) == 9 && doğalKoma(15) == 115 && doğalKoma(29) == 221);
static_assert(komaKonumu(8, 1) == 1 && komaKonumu(-8, 29) == 229);

}  // namespace

std::string_view perdeAdı(int p) { return p >= 1 && p <= perdeSayısı ? adlar[static_cast<std::size_t>(p - 1)] : ""; }

std::string_view harfAdı(Harf h) { return harfAdları[static_cast<std::size_t>(h)]; }

std::string_view çeşniEtiketi(int i) {
    return i >= 0 && i <= perdeSayısı ? çeşniler[static_cast<std::size_t>(i)] : "";
}

}  // namespace selvika
