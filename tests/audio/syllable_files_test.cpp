#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <ranges>

#include "audio/pitch_estimate.h"
#include "audio/syllable_render.h"
#include "pitch/degrees.h"
#include "tools/syllable_recordings/recordings.h"

// SOLFEJ.pcm and BONA.pcm as the build makes them in the program folder.
namespace selvika {
namespace {

ÖrnekTamponu kayıt(HeceKipi kip, HeceYeri yer) {
    std::ifstream dosya(heceDosyası(SELVIKA_PROGRAM_DIR, kip), std::ios::binary);
    dosya.seekg(yer.başlangıç * 2);
    return örnekOku(dosya, static_cast<std::size_t>(yer.uzunluk));
}

std::uintmax_t baytlar(HeceYeri sonYer) { return static_cast<std::uintmax_t>(sonYer.başlangıç + sonYer.uzunluk) * 2; }

TEST(HeceDosyaları, SolfejEachPositionIsSungAtItsNaturalPerde) {
    EXPECT_EQ(std::filesystem::file_size(heceDosyası(SELVIKA_PROGRAM_DIR, HeceKipi::solfej)),
              baytlar(solfejHecesi(solfejKonumSayısı)));
    EXPECT_NEAR(solfejFrekansı(12), 440.0, 0.01);  // Neva
    EXPECT_DOUBLE_EQ(solfejFrekansı(30), solfejFrekansı(23) / 2);
    for (int p = 1; p <= solfejKonumSayısı; ++p) {
        const ÖrnekTamponu hece = kayıt(HeceKipi::solfej, solfejHecesi(p));
        // The middle third: the vowel held after the consonant has passed.
        const std::span<const Integer> kararlı(hece.begin() + std::ssize(hece) / 3,
                                               hece.begin() + std::ssize(hece) * 2 / 3);
        const auto f = frekansÖlç(kararlı, solfejFrekansı(p));
        ASSERT_TRUE(f) << "position " << p;
        EXPECT_LT(std::abs(sentFarkı(*f, solfejFrekansı(p))), 10) << "position " << p << ": " << *f << " Hz";
    }
}

TEST(HeceDosyaları, BonaEveryWordIsHeard) {
    std::vector<HeceYeri> yerler = {artıArızaSözü(), eksiArızaSözü(), onBeşSözü()};
    for (int n = 1; n <= harfSayısı; ++n) yerler.push_back(notaAdı(n));
    for (int c = 1; c <= 14; ++c) yerler.push_back(komaSayısıSözü(c));
    const HeceYeri son = *std::ranges::max_element(yerler, {}, [](HeceYeri y) { return y.başlangıç; });
    EXPECT_EQ(std::filesystem::file_size(heceDosyası(SELVIKA_PROGRAM_DIR, HeceKipi::bona)), baytlar(son));
    for (HeceYeri yer : yerler) {
        const ÖrnekTamponu söz = kayıt(HeceKipi::bona, yer);
        EXPECT_GT(std::ranges::max(söz | std::views::transform([](Integer v) { return std::abs(v); })), 8000)
            << "at " << yer.başlangıç;
    }
}

}  // namespace
}  // namespace selvika
