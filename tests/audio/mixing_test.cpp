#include "audio/mixing.h"

#include <gtest/gtest.h>

#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

struct YarıDurumu {
    Integer mevcut;
    double yeni;
    Integer beklenen;
};
void PrintTo(const YarıDurumu& d, std::ostream* o) { *o << d.mevcut << " + " << d.yeni; }

class YarıyaKatma : public testing::TestWithParam<YarıDurumu> {};

// Halves round to the even neighbour; the loudest samples cannot overflow.
TEST_P(YarıyaKatma, RoundsTheSumOfHalves) {
    EXPECT_EQ(yarıyaKat(GetParam().mevcut, GetParam().yeni), GetParam().beklenen);
}

INSTANTIATE_TEST_SUITE_P(Örnekler, YarıyaKatma,
                         testing::Values(YarıDurumu{3, 0, 2}, YarıDurumu{1, 0, 0}, YarıDurumu{-3, 0, -2},
                                         YarıDurumu{100, 51, 76}, YarıDurumu{0, 0.9, 0},
                                         YarıDurumu{32767, 32767, 32767}, YarıDurumu{-32768, -32768, -32768}));

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

struct MelodiDurumu {
    std::vector<Byte> ağırlıklar;
    std::vector<Integer> örnekler;  // one sample of each voice
    Integer beklenen;
};
void PrintTo(const MelodiDurumu& d, std::ostream* o) { *o << testing::PrintToString(d.ağırlıklar); }

class MelodiKarışımı : public testing::TestWithParam<MelodiDurumu> {};

TEST_P(MelodiKarışımı, WeighsTheVoicesByTheirVolumes) {
    const MelodiDurumu& d = GetParam();
    std::vector<std::vector<Integer>> tamponlar;
    for (Integer ö : d.örnekler) tamponlar.push_back({ö, 0});
    std::vector<KarışacakSes> sesler;
    for (std::size_t i = 0; i < tamponlar.size(); ++i) sesler.push_back({tamponlar[i], d.ağırlıklar[i]});
    EXPECT_EQ(melodiKarışımı(sesler), (std::vector<Integer>{d.beklenen, 0}));
}

INSTANTIATE_TEST_SUITE_P(
    Sesler, MelodiKarışımı,
    testing::Values(MelodiDurumu{{50}, {-12345}, -12345}, MelodiDurumu{{0}, {777}, 777},
                    MelodiDurumu{{1, 3}, {100, 0}, 25}, MelodiDurumu{{50, 50}, {3, 0}, 2},
                    MelodiDurumu{{100, 0, 0, 0}, {9, 1000, 1000, 1000}, 9},
                    MelodiDurumu{{0, 0, 0}, {30, 0, 0}, 10},
                    MelodiDurumu{{255, 255, 255, 255}, {32767, 32767, 32767, 32767}, 32767}));

struct RitimDurumu {
    int yüzde;
    Integer melodi, ritim, beklenen;
};
void PrintTo(const RitimDurumu& d, std::ostream* o) { *o << d.yüzde << "%"; }

class RitimKatma : public testing::TestWithParam<RitimDurumu> {};

TEST_P(RitimKatma, TakesTheRhythmByItsPercentage) {
    const RitimDurumu& d = GetParam();
    std::vector<Integer> melodi{d.melodi, d.melodi};
    std::vector<Integer> ritim{d.ritim};
    ritmiKat(melodi, ritim, d.yüzde);
    EXPECT_EQ(melodi, (std::vector<Integer>{d.beklenen, d.melodi}));
}

INSTANTIATE_TEST_SUITE_P(Yüzdeler, RitimKatma,
                         testing::Values(RitimDurumu{0, -32768, 32767, -32768}, RitimDurumu{100, -32768, 32767, 32767},
                                         RitimDurumu{50, 3, 0, 2}, RitimDurumu{25, 400, 0, 300},
                                         RitimDurumu{200, 5, 7, 7}));

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
