#include <gtest/gtest.h>

#include "audio/cesni.h"

namespace selvika {
namespace {

// Custom cins 2 exercises the remainders of two thirds and a runaway value.
TEST(Çeşni, DegreesAroundTheÇeşniPerdeTakeTheCinsValues) {
    CinsKütüphanesi cinsler = varsayılanCinsler();
    cinsler[2].değerler = {0, 8, -2, 66, 400, 66, 39, 27, 0, -27};
    constexpr Seyir çık = Seyir::çıkış, in = Seyir::iniş, düz = Seyir::düz;
    const struct { int perde, cins, p; Seyir seyir; std::optional<Ses> ses; } durumlar[] = {
        {0, 0, 12, çık, Ses{100, 1}},  {12, 0, 13, çık, Ses{102, 0}}, {12, 0, 12, in, Ses{93, 0}},
        {12, 0, 11, çık, Ses{86, 0}},  {12, 0, 11, düz, Ses{86, 0}},  {12, 0, 11, in, Ses{87, 0}},
        {12, 0, 9, in, Ses{71, 0}},    {12, 0, 8, in, Ses{62, 0}},    {12, 0, 7, çık, Ses{100, 1}},
        {12, 0, 14, çık, Ses{100, 1}}, {15, 1, 13, çık, Ses{98, 1}},  {15, 1, 13, in, Ses{98, 1}},
        {15, 1, 14, in, Ses{107, 0}},  {12, 2, 11, çık, Ses{90, -1}}, {12, 2, 10, çık, Ses{94, 1}},
        {12, 2, 8, çık, std::nullopt}, {30, 0, 12, çık, std::nullopt}, {12, 50, 12, çık, std::nullopt}};
    for (const auto& d : durumlar)
        EXPECT_EQ(çeşniUygula({100, 1}, d.p, d.seyir, {d.perde, d.cins}, cinsler), d.ses)
            << "perde " << d.perde << ", cins " << d.cins << ", degree " << d.p << ", direction " << int(d.seyir);
}

}  // namespace
}  // namespace selvika
