#include "rhythm/durations.h"

#include <gtest/gtest.h>

#include "tests/support/line_writer.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

TEST(Surebul, BeamedMembersReadTheirPairCodes) {
    const struct { const char* durum; std::initializer_list<Byte> kodlar; int seçim; Byte süre; } durumlar[] = {
        {"a first member takes the left end of its code", {1}, 1, 16},
        {"a last member takes the right end of the code before it", {1}, 2, 8},
        {"an inner member takes the shorter of its two sides", {2, 4}, 2, 32},
        {"a bad code on the checked copy gives zero silently", {12}, 1, 0},
    };
    for (const auto& d : durumlar) {
        test::SatırYazıcı y;
        y.kirişli(d.kodlar);
        EXPECT_EQ(surebul1(y.satır, d.seçim), d.süre) << d.durum;
    }
}

TEST(Surebul, ABadCodeShowsSüreHatasıAndGivesAnEighth) {
    test::SatırYazıcı y;
    y.kirişli({12});
    test::SenaryoluEtkileşim kullanıcı;
    EXPECT_EQ(surebul(y.satır, 1, kullanıcı), 8);
    EXPECT_EQ(kullanıcı.metinler(), std::vector<std::string>{"süre hatası"});
}

TEST(ElemanDeğeri, CountsUnitsUpToTheLastElementItCovers) {
    const struct { const char* durum; void (*yaz)(test::SatırYazıcı&); int j; Integer birim; int son; } durumlar[] = {
        {"a dotted half", [](test::SatırYazıcı& y) { y.nota(2, 1); }, 1, 96, 1},
        {"beamed sixteenths in a triplet", [](test::SatırYazıcı& y) { y.kirişli({3, 3}, true); }, 1, 16, 3},
        {"beamed eighths in a triplet count one quarter", [](test::SatırYazıcı& y) { y.kirişli({0, 0}, true); }, 1, 32, 3},
        {"a beamed sixty-fourth", [](test::SatırYazıcı& y) { y.kirişli({9}); }, 2, 2, 2},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.durum);
        test::SatırYazıcı y;
        d.yaz(y);
        auto değer = elemanDeğeri(y.satır, d.j);
        ASSERT_TRUE(değer);
        EXPECT_EQ(std::tuple(değer->birim, değer->son), std::tuple(d.birim, d.son));
    }
    test::SatırYazıcı değersiz;
    değersiz.kirişli({10});
    EXPECT_FALSE(elemanDeğeri(değersiz.satır, 1)) << "a beam code without a value";
}

TEST(ElemanDeğeri, UnbeamedQuartersInATripletCountNoteByNote) {
    test::SatırYazıcı y;
    y.nota(4).nota(4).nota(4);
    int toplam = 0;
    for (int j = 1; j <= 3; ++j) {
        y.satır.elemanlar[j].triole.trioleYeri = static_cast<Byte>(j);
        toplam += elemanDeğeri(y.satır, j)->birim;
    }
    EXPECT_EQ(toplam, 96);
}

TEST(SüreAdı, NamesOnlyTheAmountsOfTheTable) {
    EXPECT_EQ(süreAdı(96), "üç adet 4 lük");
    EXPECT_FALSE(süreAdı(10));
}

}  // namespace
}  // namespace selvika
