#include "rhythm/performed_durations.h"

#include <gtest/gtest.h>

#include "tests/support/line_writer.h"
#include "tests/support/line_values.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

using Yazıcı = test::SatırYazıcı;

TEST(SüreBirim, EveryElementPlaysItsUnits) {
    const struct { const char* durum; void (*yaz)(Yazıcı&); std::vector<int> süreler; } durumlar[] = {
        {"a beamed eighth triplet", [](Yazıcı& y) { y.kirişli({0, 0}, true); }, {11, 10, 11}},
        {"sixteenth triplet: two sixteenths", [](Yazıcı& y) { y.kirişli({3, 3}, true); }, {5, 6, 5}},
        {"32nd triplet: two 32nds", [](Yazıcı& y) { y.kirişli({6, 6}, true); }, {3, 2, 3}},
        {"64th triplet: two 64ths", [](Yazıcı& y) { y.kirişli({9, 9}, true); }, {1, 2, 1}},
        {"a dotted eighth outside a group", [](Yazıcı& y) { y.nota(8, 1); }, {24}},
        {"beamed members play their beam value with their dot",
         [](Yazıcı& y) { y.kirişli({1}).satır.elemanlar[1].nokta = 1; }, {12, 16}},
        {"signs play nothing and empty slots are left alone",
         [](Yazıcı& y) {
             y.çizgi().usul(5).ekle(0).süreBirim = 7;
             y.satır.elemanlar[1].süreBirim = 9;
         },
         {0, 0, 7}},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.durum);
        Yazıcı y;
        d.yaz(y);
        test::SenaryoluEtkileşim kullanıcı;
        süreBirimleriniYaz(y.satır, kullanıcı);
        EXPECT_EQ(test::herEleman(y.satır, &Eleman::süreBirim), d.süreler);
        EXPECT_TRUE(kullanıcı.metinler().empty());
    }
}

TEST(SüreBirim, ABadBeamCodeShowsSüreHatasıAndPlaysAnEighth) {
    Yazıcı y;
    y.kirişli({11});  // read by both members
    test::SenaryoluEtkileşim kullanıcı;
    süreBirimleriniYaz(y.satır, kullanıcı);
    EXPECT_EQ(test::herEleman(y.satır, &Eleman::süreBirim), (std::vector<int>{16, 16}));
    EXPECT_EQ(kullanıcı.metinler(), (std::vector<std::string>{"süre hatası", "süre hatası"}));
}

}  // namespace
}  // namespace selvika
