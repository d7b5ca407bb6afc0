#include "audio/wav_file.h"

#include <gtest/gtest.h>

#include "core/packing.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

TEST(WavBaşlığı, FieldsFollowChannelsRateAndBits) {
    WavBaşlığı b = wavBaşlığı(1000, 2, 22050, 8);
    EXPECT_EQ(std::tuple(b.blokHizası, b.baytHızı, b.veriBoyu, b.riffBoyu), std::tuple(2, 44100, 2000, 2036));
}

TEST(WavÇıktısı, TwoPassagesMakeOneFileWhoseHeaderCountsBoth) {
    test::GeçiciKlasör klasör;
    auto yol = klasör / "eser.dat";
    test::dosyaYaz(yol, std::vector<std::uint8_t>(1000, 7));
    test::SenaryoluEtkileşim etkileşim;
    WavÇıktısı çıktı(yol);
    std::vector<Integer> birinci(441, -2), ikinci{1, -32768, 32767};
    çıktı.ekle(birinci);
    çıktı.ekle(ikinci);
    ASSERT_TRUE(çıktı.bitir(etkileşim));
    EXPECT_EQ(çıktı.bitişZamanları(), (std::vector<double>{10.0, 444 / 44.1}));

    auto baytlar = test::dosyaBaytları(yol);
    ASSERT_EQ(baytlar.size(), 44u + 2 * 444);
    // data size 888 = 0x378, + 36 = 0x39C; 44100 = 0xAC44, 88200 = 0x15888
    std::vector<std::uint8_t> başlık{'R', 'I', 'F', 'F', 0x9C, 3, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                     16, 0, 0, 0, 1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 1, 0,
                                     2, 0, 16, 0, 'd', 'a', 't', 'a', 0x78, 3, 0, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(baytlar.begin(), baytlar.begin() + 44), başlık);
    PackReader okuyucu(baytlar, 44);
    auto örnekler = okuyucu.readRecords<Integer>(444);
    EXPECT_EQ(örnekler[0], -2);
    EXPECT_EQ(std::vector<Integer>(örnekler.end() - 3, örnekler.end()), ikinci);
    EXPECT_TRUE(etkileşim.mesajlar.empty());
}

TEST(WavÇıktısı, AnEmptyOutputIsReportedAndKeepsNoHeader) {
    test::GeçiciKlasör klasör;
    test::SenaryoluEtkileşim etkileşim;
    WavÇıktısı çıktı(klasör / "boş.dat");
    çıktı.ekle({});
    EXPECT_FALSE(çıktı.bitir(etkileşim));
    EXPECT_EQ(etkileşim.metinler(), std::vector<std::string>{"Icra edilecek bölüm bulunamadı"});
    EXPECT_EQ(test::dosyaBaytları(klasör / "boş.dat"), std::vector<std::uint8_t>(44, 0));
}

TEST(WavÇıktısı, AnUnwritableFileFails) {
    test::GeçiciKlasör klasör;
    EXPECT_THROW(WavÇıktısı{klasör / "yok" / "eser.dat"}, DosyaHatası);
}

}  // namespace
}  // namespace selvika
