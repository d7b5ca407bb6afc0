#include "rhythm/measure_check.h"

#include <gtest/gtest.h>

#include "tests/rhythm/line_builder.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

using Metinler = std::vector<std::string>;

class MezürKontrol : public ::testing::Test {
protected:
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
    void doğruSatırlar(int n) {
        satır(1).usul(5);
        for (int i = 1; i <= n; ++i) satır(i).nota(2).nota(4).nota(4).çizgi();
    }

    std::vector<test::SatırYazıcı> satırlar;
    std::vector<std::pair<int, Byte>> satırSonları;
    test::SenaryoluEtkileşim kullanıcı;
};

std::string özet(int n) { return std::to_string(n) + " satır kotrol edildi, başka mezür hatası bulunmadı."; }

TEST_F(MezürKontrol, ACorrectScoreEndsWithTheSummaryAsInformation) {
    doğruSatırlar(3);
    EXPECT_EQ(kontrolEt(), Metinler{özet(3)});
    EXPECT_EQ(kullanıcı.mesajlar[0].düğmeler, Düğmeler::tamam);
}

TEST_F(MezürKontrol, DottedQuarterQuarterDottedQuarterIsAnEighthShortOfAksak) {
    satır(1).usul(15).nota(4, 1).nota(4).nota(4, 1).çizgi();
    kullanıcı.cevaplar = {Cevap::yoksay};
    EXPECT_EQ(kontrolEt(), (Metinler{"1. satırda bir adet 8 lik eksik var.", özet(1)}));
    EXPECT_EQ(kullanıcı.mesajlar[0].başlık, "selvika");
    EXPECT_EQ(kullanıcı.mesajlar[0].düğmeler, Düğmeler::durdurYenidenDeneYoksay);
}

TEST_F(MezürKontrol, AMeasureAnEighthShortInLineThree) {
    doğruSatırlar(3);
    satır(3).satır.elemanlar[3].süre = 8;
    kullanıcı.cevaplar = {Cevap::yoksay};
    EXPECT_EQ(kontrolEt(), (Metinler{"3. satırda bir adet 8 lik eksik var.", özet(3)}));
}

TEST_F(MezürKontrol, ALastMeasureTenUnitsLongGivesTheRawNumbers) {
    satır(1).usul(15).nota(4, 1).nota(4, 1).nota(4, 1).çizgi();
    satır(2).nota(4, 1).nota(4, 1).nota(4, 1).kirişli({6});  // two thirty-seconds
    satır(2).satır.elemanlar[5].nokta = 1;
    kullanıcı.cevaplar = {Cevap::yoksay};
    EXPECT_EQ(kontrolEt(), (Metinler{"2. satırın son mezüründe 144  154 fazla var.", özet(2)}));
}

TEST_F(MezürKontrol, TwoBarLinesInARowAndABarLineAtALineStartPass) {
    satır(1).usul(5).nota(1).çizgi().çizgi();
    satır(2).çizgi().nota(1).çizgi();
    EXPECT_EQ(kontrolEt(), Metinler{özet(2)});
}

TEST_F(MezürKontrol, OnlyAnOpenLineEndCarriesHalfAMeasureIntoTheNextLine) {
    satır(1).usul(5).nota(1).çizgi().nota(2);
    satır(2).nota(2).çizgi();
    satırSonları = {{1, 6}};
    EXPECT_EQ(kontrolEt(), Metinler{özet(2)});
    for (Byte tür : {1, 2, 4, 5}) {
        satırSonları = {{1, tür}};
        kullanıcı = {};
        kullanıcı.cevaplar = {Cevap::yoksay, Cevap::yoksay};
        EXPECT_EQ(kontrolEt(), (Metinler{"1. satırın son mezüründe bir adet 2 lik eksik var.",
                                         "2. satırda bir adet 2 lik eksik var.", özet(2)}))
            << int(tür);
    }
}

TEST_F(MezürKontrol, AnEmptyLineEndsTheCheck) {
    doğruSatırlar(4);
    satır(3).satır.elemanSayısı = 0;
    EXPECT_EQ(kontrolEt(), Metinler{özet(2)});
}

TEST_F(MezürKontrol, NotesOfChannelsTwoAndThreeAreNotCounted) {
    satır(1).usul(5).nota(2).nota(2).nota(4).nota(2).çizgi();
    satır(1).satır.elemanlar[3].kanal = 1;
    satır(1).satır.elemanlar[4].kanal = 2;
    satır(1).satır.elemanlar[5].kanal = 3;
    EXPECT_EQ(kontrolEt(), Metinler{özet(1)});
}

TEST_F(MezürKontrol, ALargeUsulStopsTheCheck) {
    satır(1).usul(28).nota(1).çizgi();
    EXPECT_EQ(kontrolEt(), Metinler{"büyük usullerin mezür kontrolü manuel yapılmalıdır."});
}

TEST_F(MezürKontrol, ANoteBeforeAnyUsulStopsTheCheck) {
    satır(1).nota(1).çizgi();
    EXPECT_EQ(kontrolEt(), Metinler{"usul bilinmiyor. Mezür kontrolü iptal edilecek."});
}

TEST_F(MezürKontrol, AbortStopsWithoutTheSummary) {
    doğruSatırlar(2);
    satır(1).satır.elemanlar[2].süre = 4;
    kullanıcı.cevaplar = {Cevap::durdur};
    EXPECT_EQ(kontrolEt(), Metinler{"1. satırda bir adet 4 lük eksik var."});
}

TEST_F(MezürKontrol, RetryShowsTheSameMessageAgain) {
    doğruSatırlar(1);
    satır(1).satır.elemanlar[2].süre = 4;
    kullanıcı.cevaplar = {Cevap::yenidenDene, Cevap::yoksay};
    const std::string m = "1. satırda bir adet 4 lük eksik var.";
    EXPECT_EQ(kontrolEt(), (Metinler{m, m, özet(1)}));
}

TEST_F(MezürKontrol, ABeamCodeWithoutValueNamesTheLineAndElementAndStops) {
    satır(1).usul(5).kirişli({13}).çizgi();
    EXPECT_EQ(kontrolEt(), Metinler{"1. satırın 2. elemanının süresi okunamadı (kiriş kodu geçersiz). "
                                    "Mezür kontrolü iptal edilecek."});
}

}  // namespace
}  // namespace selvika
