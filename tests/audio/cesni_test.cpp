#include <gtest/gtest.h>

#include "audio/cesni.h"

namespace selvika {
namespace {

TEST(Cinsler, DefaultLibrary) {
    const CinsKütüphanesi cinsler = varsayılanCinsler();
    EXPECT_EQ(cinsler[0].ad.trimmed(), "Uşşak");
    EXPECT_EQ(cinsler[1].değerler, (std::array<Integer, 10>{0, 24, 52, 66, 93, 66, 52, 24, 0, -27}));
    EXPECT_EQ(cinsler[2].ad.trimmed(), "02");
    EXPECT_EQ(cinsler[49].ad.trimmed(), "49");
    EXPECT_EQ(cinsler[49].değerler, (std::array<Integer, 10>{0, 27, 39, 66, 93, 66, 39, 27, 0, -27}));
}

struct Uygulama {
    int perde, cins, p;
    Seyir seyir;
    std::optional<Ses> ses;
};
class ÇeşniTest : public testing::TestWithParam<Uygulama> {};

// Custom cins 2 exercises the remainders of two thirds and a runaway value.
TEST_P(ÇeşniTest, DegreesAroundTheÇeşniPerdeTakeTheCinsValues) {
    CinsKütüphanesi cinsler = varsayılanCinsler();
    cinsler[2].değerler = {0, 8, -2, 66, 400, 66, 39, 27, 0, -27};
    const auto [perde, cins, p, seyir, beklenen] = GetParam();
    EXPECT_EQ(çeşniUygula({100, 1}, p, seyir, {perde, cins}, cinsler), beklenen);
}
constexpr Seyir çık = Seyir::çıkış, in = Seyir::iniş, düz = Seyir::düz;
INSTANTIATE_TEST_SUITE_P(
    Dereceler, ÇeşniTest,
    testing::Values(Uygulama{0, 0, 12, çık, Ses{100, 1}}, Uygulama{12, 0, 13, çık, Ses{102, 0}},
                    Uygulama{12, 0, 12, in, Ses{93, 0}}, Uygulama{12, 0, 11, çık, Ses{86, 0}},
                    Uygulama{12, 0, 11, düz, Ses{86, 0}}, Uygulama{12, 0, 11, in, Ses{87, 0}},
                    Uygulama{12, 0, 9, in, Ses{71, 0}}, Uygulama{12, 0, 8, in, Ses{62, 0}},
                    Uygulama{12, 0, 7, çık, Ses{100, 1}}, Uygulama{12, 0, 14, çık, Ses{100, 1}},
                    Uygulama{15, 1, 13, çık, Ses{98, 1}}, Uygulama{15, 1, 13, in, Ses{98, 1}},
                    Uygulama{15, 1, 14, in, Ses{107, 0}}, Uygulama{12, 2, 11, çık, Ses{90, -1}},
                    Uygulama{12, 2, 10, çık, Ses{94, 1}}, Uygulama{12, 2, 8, çık, std::nullopt},
                    Uygulama{30, 0, 12, çık, std::nullopt}, Uygulama{12, 50, 12, çık, std::nullopt}));

}  // namespace
}  // namespace selvika
