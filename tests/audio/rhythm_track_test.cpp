#include "audio/rhythm_track.h"

#include <gtest/gtest.h>

#include "core/packing.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

UsulAdımı adım(Byte birinci, Byte ikinci, Byte ses = 0) {
    UsulAdımı a;
    a.birinciUzunluk = birinci;
    a.ikinciUzunluk = ikinci;
    a.vuruşSesi = ses;
    return a;
}

TEST(VuruşDizisi, RepeatsThePatternUntilThePassageIsFilled) {
    // A 32-unit pattern: 16 + 8 + 8 units, the last from the second stroke set.
    const std::vector<UsulAdımı> otuzİki{adım(8, 0), adım(4, 0), adım(0, 4)};
    const struct { std::vector<UsulAdımı> desen; long toplamBirim; std::size_t adımlar; } durumlar[] = {
        {otuzİki, 100, 10}, {otuzİki, 96, 9}, {otuzİki, 1, 1}, {otuzİki, 0, 0},
        {{adım(0, 0), adım(0, 0)}, 100, 0},
        {{adım(8, 0), adım(0, 0), adım(8, 0)}, 64, 4},
        {{adım(2, 4)}, 20, 3}};  // both lengths: the step lasts its second, 8 units
    for (const auto& d : durumlar)
        EXPECT_EQ(vuruşDizisi(d.desen, d.toplamBirim).size(), d.adımlar)
            << d.desen.size() << " steps in " << d.toplamBirim;
}

// `n` samples, silent but for 20 of `değer` from each start.
std::vector<Integer> yirmişer(std::size_t n, std::initializer_list<std::pair<int, Integer>> vuruşlar) {
    std::vector<Integer> tampon(n, 0);
    for (auto [baş, değer] : vuruşlar) std::fill_n(tampon.begin() + baş, 20, değer);
    return tampon;
}

// Set 1 strokes are 1000 throughout, set 2 strokes 3000, each 100 samples;
// sound 1 of set 1 is 200.
VuruşKaydı sınamaKaydı() {
    VuruşTablosu tablo;
    tablo(1, 0, 1) = {1, 100};
    tablo(1, 1, 1) = {401, 100};
    tablo(2, 0, 1) = {201, 100};
    std::vector<Integer> örnekler(300, 1000);
    std::fill(örnekler.begin() + 100, örnekler.begin() + 200, Integer{3000});
    std::fill(örnekler.begin() + 200, örnekler.end(), Integer{200});
    return VuruşKaydı(örnekler, tablo);
}

// Strokes over `birimler` units whose length goes from `giriş` to `çıkış` samples.
std::vector<Integer> çal(std::vector<UsulAdımı> desen, long birimler, Single giriş, Single çıkış, std::size_t n) {
    std::vector<Integer> tampon(n, 0);
    vuruşlarıÇal(tampon, vuruşDizisi(desen, birimler), Tempo{giriş, çıkış, birimler}, sınamaKaydı(), 1);
    return tampon;
}

TEST(VuruşlarıÇal, AtASteadyTempoStrokesFallOnMultiplesOfTheUnitAndSoundHalfTheirStep) {
    EXPECT_EQ(çal({adım(2, 0), adım(2, 0, 1)}, 16, 10, 10, 200),
              yirmişer(200, {{0, 500}, {40, 100}, {80, 500}, {120, 100}}));
}

TEST(VuruşlarıÇal, AStepWithBothLengthsSoundsBothStrokesAndLastsTheSecond) {
    auto t = çal({adım(1, 3)}, 12, 10, 10, 140);
    // 1000 / 2 halved again under 3000 / 2; the first stroke sounds 1 × 10
    // samples, the second 20; the next step comes after 6 units.
    EXPECT_EQ(std::tuple(t[0], t[10], t[29], t[30], t[60]), std::tuple(1750, 1500, 1500, 0, 1750));
}

TEST(VuruşlarıÇal, StrokesFollowTheTempoCurveAndStopAtTheBuffersEnd) {
    auto tampon = çal({adım(1, 0)}, 6, 10, 20, 50);
    // Units 0, 2 and 4 start at samples 1, 23 and 53 (past the buffer).
    EXPECT_EQ(std::tuple(tampon[21], tampon[22]), std::tuple(0, 500));
    EXPECT_EQ(std::count(tampon.begin(), tampon.end(), 500), 20);
}

TEST(VuruşlarıÇal, AnAllEmptyPatternOrAnUnknownSoundIsSilent) {
    EXPECT_EQ(çal({adım(0, 0)}, 64, 10, 10, 100), std::vector<Integer>(100, 0));
    EXPECT_EQ(çal({adım(2, 0, 7)}, 64, 10, 10, 100), std::vector<Integer>(100, 0));
}

TEST(RitimVuruşları, StrokesLieBackToBackInRITIMpcm) {
    VuruşTablosu t = ritimVuruşları();
    EXPECT_EQ(std::tuple(t(1, 0, 1).konum, t(1, 1, 1).konum, t(2, 0, 1).konum, t(1, 0, 2).konum),
              std::tuple(1, 1 + 2 * 9217, 1 + 2 * 138250, 1 + 4 * 138250));
    EXPECT_EQ(t(2, 3, 3).uzunluk, 73733);
    for (auto [kod, numara] : {std::pair<const char*, std::optional<int>>{"TEFOO", 1}, {"BENDR", 2}, {"KUDUM", 3},
                               {"DRBKA", std::nullopt}, {"RTYOK", std::nullopt}})
        EXPECT_EQ(ritimSazı(kod), numara) << kod;
}

class Ritimİzi : public testing::Test {
protected:
    void usulYaz() {
        UsulKaydı k;
        k.adımlar[1] = adım(2, 0);
        test::dosyaYaz(klasör / "usuller.usl", pack(k));
    }
    void ritimYaz() {
        PackWriter yazıcı;
        for (int i = 0; i < 100; ++i) yazıcı.write(Integer{1000});
        test::dosyaYaz(klasör / "RITIM.pcm", yazıcı.take());
    }
    std::optional<std::vector<Integer>> iz() { return ritimİzi(klasör.yol(), pasaj, Tempo{10, 10, 8}, uyarılar, etkileşim); }

    Pasaj pasaj = [] {
        Pasaj p;
        p.ritim = Text<5>("TEFOO");
        p.usulNumarası = 1;
        return p;
    }();

    test::GeçiciKlasör klasör;
    EksikDosyaUyarıları uyarılar;
    test::SenaryoluEtkileşim etkileşim;
};

TEST_F(Ritimİzi, EachMissingFileIsToldOnceAndLeavesTheRhythmOut) {
    for (int kez = 0; kez < 2; ++kez) EXPECT_FALSE(iz());
    ritimYaz();
    for (int kez = 0; kez < 2; ++kez) EXPECT_FALSE(iz());
    EXPECT_EQ(etkileşim.metinler(),
              (std::vector<std::string>{"RITIM.pcm dosyası bulunamadı", "usuller.usl dosyası bulunamadı modül"}));
}

TEST_F(Ritimİzi, NoRhythmInstrumentOrNoUsulNumberPlaysNoRhythm) {
    usulYaz();
    ritimYaz();
    for (std::string_view kod : {"RTYOK", "DRBKA"}) {
        pasaj.ritim = Text<5>(kod);
        EXPECT_FALSE(iz()) << kod;
    }
    EXPECT_TRUE(etkileşim.metinler().empty());
    pasaj.ritim = Text<5>("KUDUM");
    pasaj.usulNumarası = 0;
    EXPECT_FALSE(iz());
    EXPECT_EQ(etkileşim.metinler(), std::vector<std::string>{"Usul numarası verilmemiş."});
}

TEST_F(Ritimİzi, PlaysTheUsulOfThePassageFromTheFolder) {
    usulYaz();
    ritimYaz();
    EXPECT_EQ(iz(), yirmişer(80, {{0, 500}, {40, 500}}));
    EXPECT_TRUE(etkileşim.metinler().empty());
}

}  // namespace
}  // namespace selvika
