#include <gtest/gtest.h>

#include "analysis/cins_library.h"
#include "analysis/cins_profile.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

TEST(CinsKütüphanesi, AFreshInstallationListsTheDefaultsAndTheFirstSaveWritesTheFile) {
    test::GeçiciKlasör klasör;
    test::SenaryoluEtkileşim kullanıcı;
    const auto dosya = klasör / std::string(cinsDosyaAdı);
    CinsKütüphanesi cinsler = cinsleriOku(dosya, kullanıcı);
    EXPECT_TRUE(kullanıcı.mesajlar.empty());
    EXPECT_FALSE(std::filesystem::exists(dosya));
    EXPECT_EQ(cinsler[0].ad.trimmed(), "Uşşak");
    EXPECT_EQ(cinsler[1].değerler, (std::array<Integer, 10>{0, 24, 52, 66, 93, 66, 52, 24, 0, -27}));
    for (int i = 2; i < cinsSayısı; ++i)
        EXPECT_EQ(cinsler[static_cast<std::size_t>(i)].ad.trimmed(), (i < 10 ? "0" : "") + std::to_string(i));
    EXPECT_EQ(cinsler[49].değerler, (std::array<Integer, 10>{0, 27, 39, 66, 93, 66, 39, 27, 0, -27}));

    cinsler[3].ad = Text<16>("Segâh çeşnisi");
    cinsler[3].değerler[4] = -300;
    cinsleriKaydet(cinsler, dosya);
    const auto baytlar = test::dosyaBaytları(dosya);
    ASSERT_EQ(baytlar.size(), 1800u);
    EXPECT_EQ(baytlar[0], 'U');
    EXPECT_EQ(baytlar[1], 0xFE) << "ş in the Turkish code page";
    EXPECT_EQ(cinsleriOku(dosya, kullanıcı), cinsler);
}

TEST(CinsKütüphanesi, ADamagedFileGivesTheDefaultsWithAWarning) {
    test::GeçiciKlasör klasör;
    test::SenaryoluEtkileşim kullanıcı;
    const auto dosya = klasör / std::string(cinsDosyaAdı);
    test::dosyaYaz(dosya, std::vector<std::uint8_t>(1000, 7));
    EXPECT_EQ(cinsleriOku(dosya, kullanıcı), varsayılanCinsler());
    EXPECT_EQ(kullanıcı.metinler(),
              std::vector<std::string>{"Cinsler.dat bozuk (1800 bayt olmalı); varsayılan çeşniler kullanılıyor."});
}

TEST(CinsAdı, IsCutTo16Characters) {
    EXPECT_EQ(Text<16>("Hicazkâr çeşnisi1").utf8(), "Hicazkâr çeşnisi");
}

class CinsSütunu : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(CinsSütunu, LiesUnderThePointer) { EXPECT_EQ(cinsSütunu(GetParam().first), GetParam().second); }

INSTANTIATE_TEST_SUITE_P(Xler, CinsSütunu,
                         ::testing::Values(std::pair{0, 0}, std::pair{80, 0}, std::pair{81, 1}, std::pair{160, 1},
                                           std::pair{161, 2}, std::pair{720, 8}, std::pair{721, 9},
                                           std::pair{2000, 9}));

TEST(CinsProfili, AClickAt430InColumnThreeStores15) {
    Cins cins = varsayılanCinsler()[0];
    EXPECT_TRUE(cinsTıkla(cins, 200, 430));
    EXPECT_EQ(cins.değerler[2], 15);
    EXPECT_EQ(komaYazısı(430), "005.00 koma    ");
    EXPECT_EQ(centYazısı(430), "113.21 cent");
    EXPECT_FALSE(cinsTıkla(cins, 40, 300)) << "the ascending durak stays";
    EXPECT_EQ(cins.değerler[0], 0);
}

TEST(CinsProfili, APointer150UnitsUpReadsTenKoma) {
    EXPECT_EQ(komaYazısı(355), "010.00 koma    ");
    EXPECT_EQ(centYazısı(355), "226.42 cent");
    EXPECT_EQ(komaYazısı(520), "-001.00 koma    ");
}

TEST(CinsProfili, DistancesToTheTonicAndTheNeighbourDegrees) {
    const Cins uşşak = varsayılanCinsler()[0];  // 0, 21, 39, 66, 93, 66, 39, 18, 0, −27
    const CinsUzaklıkları ikinci = cinsUzaklıkları(uşşak, 200, cinsDeğerY(39));
    EXPECT_DOUBLE_EQ(ikinci.karar, 13);
    EXPECT_DOUBLE_EQ(*ikinci.alt, 6);
    EXPECT_DOUBLE_EQ(*ikinci.üst, 9);
    const CinsUzaklıkları inen = cinsUzaklıkları(uşşak, 600, cinsDeğerY(18));
    EXPECT_DOUBLE_EQ(*inen.alt, 6);
    EXPECT_DOUBLE_EQ(*inen.üst, 7);
    EXPECT_FALSE(cinsUzaklıkları(uşşak, 400, 0).üst.has_value()) << "the fourth degree is the top";
    EXPECT_FALSE(cinsUzaklıkları(uşşak, 760, 0).alt.has_value()) << "nothing lies below the yeden";
}

}  // namespace
}  // namespace selvika
