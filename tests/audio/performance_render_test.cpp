#include "audio/performance_render.h"

#include <gtest/gtest.h>

#include <cmath>

#include "audio/frequencies.h"
#include "audio/line_render.h"
#include "audio/passage_list.h"
#include "audio/plan_building.h"
#include "audio/tempo.h"
#include "audio/wav_file.h"
#include "core/packing.h"
#include "tests/audio/plan_fixture.h"
#include "tests/support/score_fixtures.h"

namespace selvika {
namespace {

// Line 1 holds twelve eighths at koma positions 100 to 111; passage n covers
// the elements `ilk` to `son`, played by SINUS alone at metronome 120.
struct İcra : ::testing::Test {
    test::PlanEseri plan;
    test::GeçiciKlasör klasör;
    AkortluNotaDeposu depo{klasör / "AkortluData.dat"};
    AkortÇarpanları çarpanlar;
    CinsKütüphanesi cinsler = varsayılanCinsler();
    İcraOrtamı ortam{klasör.yol(), depo, çarpanlar, cinsler, plan.kullanıcı};
    std::optional<Notalar> notalar;

    İcra() { plan.satır(1, 12); }

    void pasaj(int n, int ilk, int son) {
        plan.pasaj(n) = varsayılanPasaj("Pasaj");
        plan.işaret(1, ilk, static_cast<Byte>(n));
        plan.işaret(1, son, static_cast<Byte>(n + pasajBitişFarkı));
        plan.eser->başlık.pasajSayısı = static_cast<Byte>(n);
    }
    std::optional<std::vector<double>> seslendir(std::vector<int> seçili) {
        if (!notalar) notalar = icraPlanıKur(*plan.eser, plan.kullanıcı);
        return seçimiSeslendir(plan.eser->başlık, *notalar, seçili, klasör / "eser.dat", ortam);
    }
    long uzunluk(int n) { return pasajTemposu(plan.pasaj(n), *notalar).uzunluk(); }

    std::pair<WavBaşlığı, std::vector<Integer>> oku(const char* ad = "eser.dat") {
        const auto baytlar = test::dosyaBaytları(klasör / ad);
        PackReader okuyucu(baytlar);
        WavBaşlığı başlık;
        okuyucu.read(başlık);
        return {başlık, okuyucu.readRecords<Integer>(baytlar.size() / 2)};
    }
};

// The frequency of the cube of a sine from its rising zero crossings, found
// on the cube root so that they fall between samples linearly.
double frekans(std::span<const Integer> örnekler) {
    std::vector<double> geçişler;
    for (std::size_t i = 1; i < örnekler.size(); ++i) {
        const double a = std::cbrt(static_cast<double>(örnekler[i - 1])), b = std::cbrt(static_cast<double>(örnekler[i]));
        if (a < 0 && b >= 0) geçişler.push_back(static_cast<double>(i - 1) + a / (a - b));
    }
    return örneklemeHızı * static_cast<double>(geçişler.size() - 1) / (geçişler.back() - geçişler.front());
}

TEST_F(İcra, APassageOfSinusNotesSoundsAtTheirKomaFrequenciesForTheTempoModelsLength) {
    pasaj(1, 1, 4);
    ASSERT_TRUE(seslendir({1}));
    const auto [başlık, örnekler] = oku();
    EXPECT_EQ(başlık, wavBaşlığı(uzunluk(1), 1, 44100, 16));
    ASSERT_EQ(std::tuple(static_cast<long>(örnekler.size()), uzunluk(1)), std::tuple(4 * 11025, 4 * 11025));

    const auto ikinci = std::span(örnekler).subspan(11025 + 1000, 8000);
    const double sapma = 1200 * std::log2(frekans(ikinci) / frekanslar()[101]);
    EXPECT_LT(std::abs(sapma), 0.5);
    EXPECT_EQ((*notalar)[2].çalınanSesler[0], 101);
    EXPECT_TRUE(plan.kullanıcı.metinler().empty());
}

TEST_F(İcra, TwoPassagesFollowEachOtherInOneFile) {
    pasaj(1, 1, 4);
    pasaj(2, 5, 6);
    plan.pasaj(2).göçürümler[0] = 22;
    plan.pasaj(2).solist = Text<5>("KANUN");
    auto bitişler = seslendir({2, 1});
    ASSERT_TRUE(bitişler);
    EXPECT_EQ(*bitişler, (std::vector<double>{uzunluk(2) / 44.1, (uzunluk(2) + uzunluk(1)) / 44.1}));
    const auto [başlık, örnekler] = oku();
    EXPECT_EQ(başlık.veriBoyu, 2 * (uzunluk(1) + uzunluk(2)));
    EXPECT_EQ((*notalar)[5].çalınanSesler[0], 104 + 22);
    EXPECT_EQ(plan.kullanıcı.metinler(),
              std::vector<std::string>{"KANUN   dosyası bulunamadı. Yerine SINUS kullanılacak."});
}

TEST_F(İcra, NothingChosenNothingRendered) {
    pasaj(1, 1, 4);
    EXPECT_FALSE(seslendir({}));
    EXPECT_EQ(plan.kullanıcı.metinler(), std::vector<std::string>{"Pasaj kutularından en az birini işaretleyin"});
}

TEST_F(İcra, APassageReachingPastTheTableIsCutToIt) {
    pasaj(1, 1, 4);
    notalar = icraPlanıKur(*plan.eser, plan.kullanıcı);
    plan.pasaj(1).bitişİndeksi = 40;
    ASSERT_TRUE(seslendir({1}));
    EXPECT_EQ(std::tuple(plan.pasaj(1).bitişİndeksi, static_cast<long>(oku().second.size())), std::tuple(12, 12 * 11025));
    EXPECT_EQ(plan.kullanıcı.metinler(), std::vector<std::string>{"1 nolu pasaj tanımı hatalıydı, kısaltıldı"});
}

TEST_F(İcra, ProgressGoesByTheNotesAndTheStopFlagEndsTheRendering) {
    pasaj(1, 1, 4);
    pasaj(2, 5, 6);
    std::vector<int> yüzdeler;
    ortam.ilerleme = [&](int yüzde) { yüzdeler.push_back(yüzde); };
    ASSERT_TRUE(seslendir({1, 2}));
    EXPECT_EQ(yüzdeler, (std::vector<int>{0, 16, 33, 50, 66, 83, 100}));
    ortam.ilerleme = [&](int yüzde) {
        if (yüzde >= 50) ortam.durdurma.kaldır();
    };
    EXPECT_FALSE(seslendir({1, 2}));
    ortam.durdurma.indir();
}

// The line-play record's soloist alone on channel 1 (its two lowest channel
// bits): element 1, on channel 2, is not heard, the rest sound as a passage
// of the same notes, the exit metronome, accompaniments and rhythm unheard.
TEST_F(İcra, TheLineSoundsAsAPassageOfTheLinePlaySoloistAtASteadyTempo) {
    pasaj(1, 1, 12);
    plan.eser->satırlar[1].elemanlar[1].kanal = 2;
    ASSERT_TRUE(seslendir({1}));
    Pasaj satır = varsayılanPasaj("Satır");
    satır.çıkışMetronomu = 60;
    satır.eşlikler[0] = Text<5>("KANUN");
    satır.ritim = Text<5>("KUDUM");
    satır.usulNumarası = 3;
    satır.kanallar = 0b1001;
    const auto süre = satırıSeslendir(satır, plan.eser->satırlar[1], 1, klasör / "satır.dat", ortam);
    ASSERT_TRUE(süre);
    EXPECT_EQ(*süre, 11 * 11025 / 44.1);
    EXPECT_EQ(oku("satır.dat"), oku());
    EXPECT_TRUE(plan.kullanıcı.metinler().empty());
}

TEST_F(İcra, ALineWhoseTunedNotesCannotBeMadeIsNotRendered) {
    plan.eser->satırlar[1].elemanlar[2].sesindeks = 229;
    Pasaj satır = varsayılanPasaj("Satır");
    satır.göçürümler[0] = 22;
    EXPECT_FALSE(satırıSeslendir(satır, plan.eser->satırlar[1], 1, klasör / "satır.dat", ortam));
    EXPECT_EQ(plan.kullanıcı.metinler(),
              (std::vector<std::string>{"Satır 1, eleman 2: bu ses akort tablolarının dışında kalıyor, çalınamaz.",
                                        "Bir hata ile karşılaşıldı."}));
    EXPECT_FALSE(std::filesystem::exists(klasör / "satır.dat"));
}

}  // namespace
}  // namespace selvika
