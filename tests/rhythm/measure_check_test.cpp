#include "rhythm/measure_check.h"

#include <gtest/gtest.h>

#include "tests/support/line_writer.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

using Metinler = std::vector<std::string>;

// A score written line by line, checked with the scripted answers given.
struct Denetlenen {
    // Line n of the score, written from scratch; the line end closes the measure.
    test::SatırYazıcı& satır(int n) {
        if (static_cast<int>(satırlar.size()) < n) satırlar.resize(static_cast<std::size_t>(n));
        return satırlar[static_cast<std::size_t>(n - 1)];
    }

    Metinler kontrolEt() {
        auto eser = std::make_unique<Eser>();
        for (int n = 1; n <= static_cast<int>(satırlar.size()); ++n) {
            eser->satırlar[n] = satırlar[static_cast<std::size_t>(n - 1)].satır;
            eser->satırlar[n].satırSonu = 1;
        }
        for (auto [n, tür] : satırSonları) eser->satırlar[n].satırSonu = tür;
        Mn_mezür_Click(*eser, kullanıcı);
        return kullanıcı.metinler();
    }

    // n lines of one correct 4/4 measure each.
    Denetlenen& doğruSatırlar(int n) {
        satır(1).usul(5);
        for (int i = 1; i <= n; ++i) satır(i).nota(2).nota(4).nota(4).çizgi();
        return *this;
    }

    std::vector<test::SatırYazıcı> satırlar;
    std::vector<std::pair<int, Byte>> satırSonları;
    test::SenaryoluEtkileşim kullanıcı;
};

std::string özet(int n) { return std::to_string(n) + " satır kotrol edildi, başka mezür hatası bulunmadı."; }

TEST(MezürKontrol, ACorrectScoreEndsWithTheSummaryAsInformation) {
    Denetlenen e;
    EXPECT_EQ(e.doğruSatırlar(3).kontrolEt(), Metinler{özet(3)});
    EXPECT_EQ(e.kullanıcı.mesajlar[0].düğmeler, Düğmeler::tamam);
}

TEST(MezürKontrol, DottedQuarterQuarterDottedQuarterIsAnEighthShortOfAksak) {
    Denetlenen e;
    e.satır(1).usul(15).nota(4, 1).nota(4).nota(4, 1).çizgi();
    e.kullanıcı.cevaplar = {Cevap::yoksay};
    EXPECT_EQ(e.kontrolEt(), (Metinler{"1. satırda bir adet 8 lik eksik var.", özet(1)}));
    EXPECT_EQ(std::tuple(e.kullanıcı.mesajlar[0].başlık, e.kullanıcı.mesajlar[0].düğmeler),
              std::tuple("selvika", Düğmeler::durdurYenidenDeneYoksay));
}

// Each case writes its score, answers every error message as given and
// expects these messages.
TEST(MezürKontrol, FindsTheMeasuresThatDoNotAddUp) {
    const std::string eksik4 = "1. satırda bir adet 4 lük eksik var.";
    const struct {
        const char* durum;
        void (*yaz)(Denetlenen&);
        std::deque<Cevap> cevaplar;
        Metinler mesajlar;
    } durumlar[] = {
        {"a measure an eighth short in line three",
         [](Denetlenen& e) { e.doğruSatırlar(3).satır(3).satır.elemanlar[3].süre = 8; }, {Cevap::yoksay},
         {"3. satırda bir adet 8 lik eksik var.", özet(3)}},
        {"a last measure ten units long gives the raw numbers",
         [](Denetlenen& e) {
             e.satır(1).usul(15).nota(4, 1).nota(4, 1).nota(4, 1).çizgi();
             e.satır(2).nota(4, 1).nota(4, 1).nota(4, 1).kirişli({6});  // two thirty-seconds
             e.satır(2).satır.elemanlar[5].nokta = 1;
         },
         {Cevap::yoksay}, {"2. satırın son mezüründe 144  154 fazla var.", özet(2)}},
        {"two bar lines in a row and a bar line at a line start pass",
         [](Denetlenen& e) {
             e.satır(1).usul(5).nota(1).çizgi().çizgi();
             e.satır(2).çizgi().nota(1).çizgi();
         },
         {}, {özet(2)}},
        {"an empty line ends the check", [](Denetlenen& e) { e.doğruSatırlar(4).satır(3).satır.elemanSayısı = 0; }, {},
         {özet(2)}},
        {"notes of channels two and three are not counted",
         [](Denetlenen& e) {
             auto& s = e.satır(1).usul(5).nota(2).nota(2).nota(4).nota(2).çizgi().satır;
             s.elemanlar[3].kanal = 1;
             s.elemanlar[4].kanal = 2;
             s.elemanlar[5].kanal = 3;
         },
         {}, {özet(1)}},
        {"a large usul stops the check", [](Denetlenen& e) { e.satır(1).usul(28).nota(1).çizgi(); }, {},
         {"büyük usullerin mezür kontrolü manuel yapılmalıdır."}},
        {"a note before any usul stops the check", [](Denetlenen& e) { e.satır(1).nota(1).çizgi(); }, {},
         {"usul bilinmiyor. Mezür kontrolü iptal edilecek."}},
        {"abort stops without the summary", [](Denetlenen& e) { e.doğruSatırlar(2).satır(1).satır.elemanlar[2].süre = 4; },
         {Cevap::durdur}, {eksik4}},
        {"retry shows the same message again",
         [](Denetlenen& e) { e.doğruSatırlar(1).satır(1).satır.elemanlar[2].süre = 4; },
         {Cevap::yenidenDene, Cevap::yoksay}, {eksik4, eksik4, özet(1)}},
        {"a beam code without a value names the line and element and stops",
         [](Denetlenen& e) { e.satır(1).usul(5).kirişli({13}).çizgi(); }, {},
         {"1. satırın 2. elemanının süresi okunamadı (kiriş kodu geçersiz). Mezür kontrolü iptal edilecek."}},
    };
    for (const auto& d : durumlar) {
        Denetlenen e;
        d.yaz(e);
        e.kullanıcı.cevaplar = d.cevaplar;
        EXPECT_EQ(e.kontrolEt(), d.mesajlar) << d.durum;
    }
}

TEST(MezürKontrol, OnlyAnOpenLineEndCarriesHalfAMeasureIntoTheNextLine) {
    for (Byte tür : {6, 1, 2, 4, 5}) {
        Denetlenen e;
        e.satır(1).usul(5).nota(1).çizgi().nota(2);
        e.satır(2).nota(2).çizgi();
        e.satırSonları = {{1, tür}};
        e.kullanıcı.cevaplar = {Cevap::yoksay, Cevap::yoksay};
        const Metinler eksik = {"1. satırın son mezüründe bir adet 2 lik eksik var.",
                                "2. satırda bir adet 2 lik eksik var.", özet(2)};
        EXPECT_EQ(e.kontrolEt(), tür == 6 ? Metinler{özet(2)} : eksik) << int(tür);
    }
}

}  // namespace
}  // namespace selvika
