#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "audio/frequencies.h"
#include "audio/pitch_shift.h"
#include "audio/tuning_factors.h"
#include "audio/tuning_sine_note.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

TEST(AkortÇarpanları, PresetsAndWholeFifthKomaSteps) {
    AkortÇarpanları a;
    EXPECT_EQ(std::tuple(a(saz::kanun, 12), a(saz::bağlama, 23), a(saz::kanun, 24), a(saz::kanunTrili, 12)),
              std::tuple(1.0f, 1.0f, 1.0000010f, 1.0000010f));
    EXPECT_NEAR(beşteBirKomaÇarpanı(4), 1.010517f, 1e-6f);
    EXPECT_NEAR(beşteBirKomaÇarpanı(-22), 0.944080f, 1e-6f);
    a.ayarla(saz::ud, 5, 5);
    EXPECT_FLOAT_EQ(a(saz::ud, 5), static_cast<float>(std::pow(2.0, 1.0 / 53)));
    a.ayarla(saz::ud, 5, -1);
    EXPECT_FLOAT_EQ(a(saz::ud, 5), beşteBirKomaÇarpanı(4));
    EXPECT_EQ(a(saz::ud, 6), 1.0f) << "the other perdes keep theirs";
}

// The presets file of the program folder: read whole or not at all.
TEST(AkortÇarpanları, PresetsFileOverTheDefaults) {
    const std::string kanun = "KANUN 0 0 0 0 0 0 0 0 0 0 0 -22 0 0 0 0 0 0 0 0 0 0 4\n";
    const std::string trill = "KNTRL 4 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n";
    for (auto [metin, neva, kabaRast, trili] : {
             std::tuple{std::string("# measured\n") + kanun + trill, 0.944080f, 1.010517f, 1.010517f},
             std::tuple{kanun + "KNTRL 4 0\n", 1.0f, 1.0f, 1.0000010f},
             std::tuple{kanun + "SINUS" + trill.substr(5), 1.0f, 1.0f, 1.0000010f},
             std::tuple{kanun + "KNTRL 400" + trill.substr(7), 1.0f, 1.0f, 1.0000010f},
         }) {
        test::GeçiciKlasör klasör;
        std::ofstream(klasör / std::string(önAyarDosyasıAdı)) << metin;
        const AkortÇarpanları a(klasör.yol());
        EXPECT_NEAR(a(saz::kanun, 12), neva, 1e-6f) << metin;
        EXPECT_NEAR(a(saz::kanun, 23), kabaRast, 1e-6f) << metin;
        EXPECT_NEAR(a(saz::kanunTrili, 1), trili, 1e-6f) << metin;
        EXPECT_EQ(a(saz::kanun, 24), 1.0000010f);
    }
    test::GeçiciKlasör boş;
    EXPECT_EQ(AkortÇarpanları(boş.yol())(saz::kanun, 12), 1.0f);
}

// A block whose samples tell where they came from.
ÖrnekTamponu sayaç(long uzunluk) {
    ÖrnekTamponu blok(static_cast<std::size_t>(uzunluk + 1));
    for (std::size_t i = 0; i < blok.size(); ++i) blok[i] = static_cast<Integer>(i % 30000);
    return blok;
}

// Between koma positions, upward and downward.
TEST(BlokAkortu, NearestEarlierSampleAndTheUpwardCut) {
    const long len = blokUzunluğu(saz::kanun);
    for (auto [kaynak, hedef] : {std::pair{18, 22}, std::pair{177, 185}, std::pair{93, 89}, std::pair{124, 120},
                                 std::pair{18, 10}}) {
        SCOPED_TRACE(testing::Message() << kaynak << " → " << hedef);
        const Single fs = frekanslar()[kaynak], ft = frekanslar()[hedef];
        const double r = static_cast<double>(ft) / fs;
        ÖrnekTamponu tampon = sayaç(len);
        test::SenaryoluEtkileşim etkileşim;
        ASSERT_TRUE(bloğuAkortla(tampon, fs, ft, saz::kanun, etkileşim));
        const auto n = static_cast<std::size_t>(std::nearbyint(len * r));
        if (r < 1) {
            EXPECT_EQ(tampon.size(), n);
        } else {
            EXPECT_LT(tampon.size(), n);
            EXPECT_NEAR(static_cast<double>(tampon.size()), (len + 1) / r + 1, 1.0);
            EXPECT_EQ(tampon.back(), 0);
        }
        for (std::size_t j : {std::size_t{1}, std::size_t{777}, tampon.size() / 2, tampon.size() - 2})
            EXPECT_EQ(tampon[j], std::fmod(std::floor(j * r), 30000.0)) << j;
        EXPECT_TRUE(etkileşim.mesajlar.empty());
    }
}

TEST(BlokAkortu, ImpossibleFrequencyIsReported) {
    ÖrnekTamponu tampon = sayaç(10);
    test::SenaryoluEtkileşim etkileşim;
    EXPECT_FALSE(bloğuAkortla(tampon, 0.0f, 440.0f, saz::kanun, etkileşim));
    EXPECT_EQ(std::tuple(etkileşim.metinler().size(), tampon.size()), std::tuple(1u, 11u));
}

TEST(SinüsNotası, CubedSineWithRampedEdges) {
    const ÖrnekTamponu nota = sinüsNotası(hedefFrekans(93, 0));
    const double w = hedefFrekans(93, 0) * 2 * M_PI / 44100;
    EXPECT_EQ(nota[0], std::lrint(std::pow(std::sin(w), 3) * 6.4));
    EXPECT_EQ(nota.back(), 0);
    int tepe = 0;
    for (auto s : nota) tepe = std::max(tepe, std::abs(static_cast<int>(s)));
    EXPECT_EQ(tepe, 32000);
    // In the steady part every sample is the cubed sine at full amplitude.
    EXPECT_NEAR(std::pow(std::sin(50000 * w), 3) * 32000, nota[49999], 1.0);
}

}  // namespace
}  // namespace selvika
