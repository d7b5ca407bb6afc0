#include "audio/mixing.h"

#include <gtest/gtest.h>

#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

// Halves round to the even neighbour; the loudest samples cannot overflow.
TEST(YarıyaKatma, RoundsTheSumOfHalves) {
    const struct { Integer mevcut; double yeni; Integer beklenen; } durumlar[] = {
        {3, 0, 2}, {1, 0, 0}, {-3, 0, -2}, {100, 51, 76}, {0, 0.9, 0}, {32767, 32767, 32767}, {-32768, -32768, -32768}};
    for (const auto& d : durumlar) EXPECT_EQ(yarıyaKat(d.mevcut, d.yeni), d.beklenen) << d.mevcut << " + " << d.yeni;
}

TEST(YarıyaKatma, AStretchStopsAtTheEndOfTheBufferOrTheSource) {
    std::vector<Integer> tampon(5, 10);
    std::vector<Integer> kaynak{20, 20, 20};
    yarıyaKat(tampon, 4, kaynak, 100);
    EXPECT_EQ(tampon, (std::vector<Integer>{10, 10, 10, 15, 15}));
    yarıyaKat(tampon, 1, kaynak, 2);
    EXPECT_EQ(tampon, (std::vector<Integer>{15, 15, 10, 15, 15}));
    yarıyaKat(tampon, 6, kaynak, 3);
    EXPECT_EQ(tampon, (std::vector<Integer>{15, 15, 10, 15, 15}));
}

TEST(YarıyaKatma, TheDivisorGrowsByTheStepAfterEachSample) {
    std::vector<Integer> tampon(4, 0);
    std::vector<Integer> kaynak(4, 8000);
    yarıyaKat(tampon, 1, kaynak, 4, 2);
    EXPECT_EQ(tampon, (std::vector<Integer>{4000, 2000, 1000, 500}));
}

TEST(MelodiKarışımı, WeighsTheVoicesByTheirVolumes) {
    const struct { std::vector<Byte> ağırlıklar; std::vector<Integer> örnekler; Integer beklenen; } durumlar[] = {
        {{50}, {-12345}, -12345},  // one sample of each voice
        {{0}, {777}, 777},
        {{1, 3}, {100, 0}, 25},
        {{50, 50}, {3, 0}, 2},
        {{100, 0, 0, 0}, {9, 1000, 1000, 1000}, 9},
        {{0, 0, 0}, {30, 0, 0}, 10},
        {{255, 255, 255, 255}, {32767, 32767, 32767, 32767}, 32767}};
    for (const auto& d : durumlar) {
        SCOPED_TRACE(testing::PrintToString(d.ağırlıklar));
        std::vector<std::vector<Integer>> tamponlar;
        for (Integer ö : d.örnekler) tamponlar.push_back({ö, 0});
        std::vector<KarışacakSes> sesler;
        for (std::size_t i = 0; i < tamponlar.size(); ++i) sesler.push_back({tamponlar[i], d.ağırlıklar[i]});
        std::vector<Integer> karışım(2);
        melodiKarışımı(sesler, karışım);
        EXPECT_EQ(karışım, (std::vector<Integer>{d.beklenen, 0}));
    }
}

TEST(RitimKatma, TakesTheRhythmByItsPercentage) {
    const struct { int yüzde; Integer melodi, ritim, beklenen; } durumlar[] = {
        {0, -32768, 32767, -32768}, {100, -32768, 32767, 32767}, {50, 3, 0, 2}, {25, 400, 0, 300}, {200, 5, 7, 7}};
    for (const auto& d : durumlar) {
        std::vector<Integer> melodi{d.melodi, d.melodi};
        ritmiKat(melodi, std::vector<Integer>{d.ritim}, d.yüzde);
        EXPECT_EQ(melodi, (std::vector<Integer>{d.beklenen, d.melodi})) << d.yüzde << "%";
    }
}

class PasajKarışımı : public testing::Test {
protected:
    std::vector<Integer> karıştır(const std::optional<std::vector<Integer>>& ritim) {
        return pasajKarışımı(sesler, ritim, pasaj, 2, etkileşim);
    }

    Pasaj pasaj = [] {
        Pasaj p;
        p.sesSeviyeleri = {10, 20, 30, 40};
        p.ritimSesi = 25;
        return p;
    }();
    PasajSesleri sesler;
    test::SenaryoluEtkileşim etkileşim;
};

TEST_F(PasajKarışımı, WeighsTheVoicesThatSoundedThenAddsTheRhythm) {
    sesler[1] = {{300, 0}};   // weight 20
    sesler[3] = {{-300, 0}};  // weight 40
    EXPECT_EQ(karıştır(std::nullopt), (std::vector<Integer>{-100, 0}));
    EXPECT_EQ(karıştır(std::vector<Integer>{0, 400}), (std::vector<Integer>{-75, 100}));
    EXPECT_TRUE(etkileşim.metinler().empty());
}

TEST_F(PasajKarışımı, WithoutAVoiceTheRhythmPlaysOverSilenceAndWithoutEitherNothing) {
    EXPECT_EQ(karıştır(std::vector<Integer>{400, -400}), (std::vector<Integer>{100, -100}));
    EXPECT_TRUE(karıştır(std::nullopt).empty());
    EXPECT_EQ(etkileşim.metinler(), std::vector<std::string>(2, "Bu bölümde hiçbir saz seçilmemiş"));
}

}  // namespace
}  // namespace selvika
