#include "audio/instruments.h"

#include <array>

namespace selvika {

namespace {

struct SazTanımı {
    std::string_view kod;
    long blokUzunluğu;
};

// The trill instruments and the bağlama take the length of their plucked
// relatives: their sample files are cut the same way.
constexpr std::array<SazTanımı, saz::son + 1> sazlar = {{
    {"SINUS", 100000},
    {"KANUN", 200000},
    {"UDOOO", 200000},
    {"MTNBR", 200000},
    {"KMNCE", 400000},
    {"KEMAN", 300000},
    {"CELLO", 320000},
    {"KLRNT", 400000},
    {"KNTRL", 200000},
    {"UDTRL", 200000},
    {"MTTRL", 200000},
    {"CELPC", 250000},
    {"BAGLM", 200000},
}};

}  // namespace

Byte sazNumarası(std::string_view kod) {
    for (std::size_t i = 0; i < sazlar.size(); ++i)
        if (sazlar[i].kod == kod) return static_cast<Byte>(i);
    return saz::bilinmeyen;
}

std::string_view sazKodu(int numara) { return sazlar[static_cast<std::size_t>(numara)].kod; }

long blokUzunluğu(int numara) { return sazlar[static_cast<std::size_t>(numara)].blokUzunluğu; }

}  // namespace selvika
