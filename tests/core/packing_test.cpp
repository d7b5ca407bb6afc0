#include <gtest/gtest.h>

#include "core/packing.h"
#include "core/record_sizes.h"
#include "core/score.h"

namespace selvika {
namespace {

struct Küçük {
    Byte b = 0;
    Integer i = 0;
    Long l = 0;
    Single s = 0;
    Boolean bayrak;
    Text<3> metin;
    FixedArray<Integer, 1, 2> dizi;

    static constexpr void fields(auto& r, auto&& f) { f(r.b, r.i, r.l, r.s, r.bayrak, r.metin, r.dizi); }
};

TEST(Packing, WritesLittleEndianWithoutGapsOrCounts) {
    Küçük k{.b = 0xAB, .i = -2, .l = 0x01020304, .s = 1.0f, .bayrak = true, .metin = Text<3>("ı"), .dizi = {}};
    k.dizi[1] = 1;
    k.dizi[2] = 0x0102;
    std::vector<std::uint8_t> beklenen = {0xAB, 0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 0x00, 0x00, 0x80, 0x3F,
                                          0xFF, 0xFF, 0xFD, ' ',  ' ',  0x01, 0x00, 0x02, 0x01};
    EXPECT_EQ(pack(k), beklenen);
    static_assert(packedSizeOf<Küçük> == 20);
}

TEST(Packing, ANewElementIsAllZero) { EXPECT_EQ(pack(Eleman{}), std::vector<std::uint8_t>(136, 0)); }

TEST(Packing, KeepsABooleanValueOtherThanMinusOne) {
    std::vector<std::uint8_t> baytlar = {0x01, 0x00};
    Boolean b;
    PackReader(baytlar).read(b);
    EXPECT_TRUE(static_cast<bool>(b));
    EXPECT_EQ(pack(b), baytlar);
}

TEST(Packing, ARecordTheBytesCannotHoldIsNotRead) {
    std::vector<std::uint8_t> baytlar(135, 0x11);
    Eleman e;
    PackReader okuyucu(baytlar);
    EXPECT_FALSE(okuyucu.read(e));
    EXPECT_EQ(e, Eleman{});
    Byte b = 0;
    EXPECT_FALSE(okuyucu.read(b)) << "after a short record every read fails";
}

TEST(Packing, FieldOffsetsOfTheElementMatchTheFile) {
    Eleman e;
    e.konum.x = 0x0102;
    e.gurup.kiriş = 9;
    e.yay[3].yayUç = 0x0A0B0C0D;
    e.dolap.etiket = Text<1>("1");
    e.hece = 1;
    e.triole.parantezYüksekliği = 0x0E0F;
    e.heceAralığı.durum = 2;
    e.süreBirim = 96;
    auto b = pack(e);
    for (auto [yer, bayt] : {std::pair{15, 0x02}, {16, 0x01}, {30, 9}, {46, 0x0D}, {49, 0x0A}, {80, int{'1'}}, {100, 1},
                             {120, 0x0F}, {127, 2}, {135, 96}})
        EXPECT_EQ(b[yer], bayt) << yer;
}

}  // namespace
}  // namespace selvika
