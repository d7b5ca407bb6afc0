#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fixed_array.h"
#include "core/fixed_text.h"
#include "core/packing.h"
#include "core/widths.h"

namespace selvika {

inline constexpr std::string_view usulDosyasıAdı = "usuller.usl";
// Shown by the pattern list and by the rhythm track when the file is missing.
inline constexpr std::string_view usulDosyasıBulunamadı = "usul dosyası bulunamadı";
inline constexpr std::string_view usulDosyasıBulunamadıModül = "usuller.usl dosyası bulunamadı modül";

inline constexpr int usulAdımSayısı = 180;
inline constexpr int usulKayıtSayısı = 255;

// One step of a pattern: a stroke of the rhythm instrument's first (deep) or
// second (high) stroke set, lasting this many sixty-fourth notes; the sound
// number picks the recording of the set.
struct UsulAdımı {
    Byte birinciUzunluk = 0;
    Byte ikinciUzunluk = 0;
    Byte vuruşSesi = 0;
    Text<3> ayrılmış1 = Text<3>::filled('\0');
    std::array<Byte, 3> ayrılmış2{};

    static constexpr void fields(auto& r, auto&& f) {
        f(r.birinciUzunluk, r.ikinciUzunluk, r.vuruşSesi, r.ayrılmış1, r.ayrılmış2);
    }
    constexpr bool operator==(const UsulAdımı&) const = default;
};

// One record of usuller.usl; a record the file does not hold is all zeros.
struct UsulKaydı {
    FixedArray<UsulAdımı, 1, usulAdımSayısı> adımlar;
    Byte pay = 0;
    Byte payda = 0;
    Text<40> ad = Text<40>::filled('\0');
    Integer ayrılmış1 = 0;
    Text<10> ayrılmış2 = Text<10>::filled('\0');
    Text<10> ayrılmış3 = Text<10>::filled('\0');

    static constexpr void fields(auto& r, auto&& f) {
        f(r.adımlar, r.pay, r.payda, r.ad, r.ayrılmış1, r.ayrılmış2, r.ayrılmış3);
    }
    constexpr bool operator==(const UsulKaydı&) const = default;
};

static_assert(packedSizeOf<UsulAdımı> == 9);
static_assert(packedSizeOf<UsulKaydı> == 1684);

// The number of the last step holding a stroke; empty steps before it count.
int desenUzunluğu(const UsulKaydı& kayıt);
// Steps 1 to the pattern length.
std::vector<UsulAdımı> desenAdımları(const UsulKaydı& kayıt);

// The item of record `no` in the pattern list: its number, the time
// signature and the name as stored.
std::string desenListesiMaddesi(int no, const UsulKaydı& kayıt);

// usuller.usl of a folder, read only.
class UsulKütüphanesi {
public:
    // Nothing when the folder holds no usuller.usl; the caller reports it.
    static std::optional<UsulKütüphanesi> aç(const std::filesystem::path& klasör);

    // Record `no`, 1..255; past the end of the file it reads as zeros.
    UsulKaydı kayıt(int no) const;
    // One item for every record 1..255.
    std::vector<std::string> desenListesi() const;

private:
    explicit UsulKütüphanesi(std::vector<std::uint8_t> baytlar) : baytlar_(std::move(baytlar)) {}
    std::vector<std::uint8_t> baytlar_;
};

}  // namespace selvika
