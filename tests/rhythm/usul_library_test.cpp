#include "rhythm/usul_library.h"

#include <gtest/gtest.h>

#include "tests/support/score_fixtures.h"

namespace selvika {
namespace {

UsulKaydı kayıt(Byte pay, Byte payda, std::string_view ad) {
    UsulKaydı k;
    k.pay = pay;
    k.payda = payda;
    k.ad = Text<40>(ad);
    return k;
}

TEST(UsulKaydı, ThePatternEndsAtItsLastStepNotAtAnEmptyOneInTheMiddle) {
    UsulKaydı k;
    EXPECT_EQ(desenUzunluğu(k), 0);
    k.adımlar[1].birinciUzunluk = 8;
    k.adımlar[3].ikinciUzunluk = 8;
    EXPECT_EQ(std::tuple(desenUzunluğu(k), desenAdımları(k).size()), std::tuple(3, 3u));
}

TEST(UsulKaydı, TheListItemOfRecordSevenSpacesAsTheListDoes) {
    std::string ad = "düyek";
    EXPECT_EQ(desenListesiMaddesi(7, kayıt(8, 8, ad)), "7      8/8   " + ad + std::string(35, ' '));
    EXPECT_EQ(desenListesiMaddesi(42, kayıt(9, 8, "")).substr(0, 12), "42    9/8   ");
    EXPECT_EQ(desenListesiMaddesi(200, kayıt(10, 16, "")).substr(0, 13), "200  10/16   ");
}

TEST(UsulKütüphanesi, AMissingFileIsNoLibrary) {
    test::GeçiciKlasör klasör;
    EXPECT_FALSE(UsulKütüphanesi::aç(klasör.yol()));
}

TEST(UsulKütüphanesi, RecordsPastTheEndOfTheFileReadAsZeros) {
    test::GeçiciKlasör klasör;
    auto yazılan = kayıt(9, 8, "aksak");
    yazılan.adımlar[1].birinciUzunluk = 16;
    test::dosyaYaz(klasör / "usuller.usl", pack(yazılan));
    auto kütüphane = UsulKütüphanesi::aç(klasör.yol());
    ASSERT_TRUE(kütüphane);
    EXPECT_EQ(kütüphane->kayıt(1), yazılan);
    UsulKaydı ikinci = kütüphane->kayıt(2);
    EXPECT_EQ(std::tuple(ikinci.pay, ikinci.ad.codePage()), std::tuple(0, std::string(40, '\0')));
    auto liste = kütüphane->desenListesi();
    ASSERT_EQ(liste.size(), 255u);
    EXPECT_EQ(liste[254].substr(0, 11), "255  0/0   ");
}

// The library the build writes from data/usuller.txt.
TEST(UsulKütüphanesi, TheBuiltLibraryFillsEveryMeasure) {
    auto kütüphane = UsulKütüphanesi::aç(SELVIKA_PROGRAM_DIR);
    ASSERT_TRUE(kütüphane);
    int usuller = 0;
    for (int no = 1; no <= usulKayıtSayısı; ++no) {
        UsulKaydı k = kütüphane->kayıt(no);
        if (desenUzunluğu(k) == 0) break;
        ++usuller;
        int toplam = 0;
        for (const UsulAdımı& a : desenAdımları(k)) toplam += a.birinciUzunluk + a.ikinciUzunluk;
        EXPECT_EQ(toplam, k.pay * 64 / k.payda) << k.ad.trimmed();
    }
    EXPECT_GE(usuller, 30);
    EXPECT_EQ(kütüphane->kayıt(1).ad.trimmed(), "nim sofyan");
}

}  // namespace
}  // namespace selvika
