#include <gtest/gtest.h>

#include "core/undo_ring.h"
#include "tests/support/score_fixtures.h"

namespace selvika {
namespace {

Satır satırı(int işaret) {
    Satır s;
    s.elemanSayısı = 1;
    s.elemanlar[1].tür = static_cast<Byte>(işaret);
    s.pasajİşaretleri[1][0] = static_cast<Byte>(işaret);
    return s;
}

int işareti(const Satır& s) { return s.elemanlar[1].tür; }

class UndoRing : public ::testing::Test {
protected:
    test::GeçiciKlasör klasör;
    YedekHalkası halka{klasör / "temp.001"};
    Satır tampon;
};

TEST_F(UndoRing, StepsBackAndForthThroughTheEditsOfAFreshLine) {
    halka.yeniSatır(satırı(1));
    EXPECT_EQ(std::tuple(halka.konum(), halka.geriAlınabilir(), halka.yinelenebilir()), std::tuple(1, false, false));
    halka.yedekle(satırı(2));
    halka.yedekle(satırı(3));
    halka.geriAl(tampon);
    EXPECT_EQ(işareti(tampon), 2);
    halka.geriAl(tampon);
    EXPECT_EQ(std::tuple(işareti(tampon), halka.geriAlınabilir(), halka.ileriSayısı()), std::tuple(1, false, 2));
    halka.yinele(tampon);
    EXPECT_EQ(std::tuple(işareti(tampon), tampon.pasajİşaretleri[1][0]), std::tuple(2, 2))
        << "a snapshot carries the passage marks too";
}

TEST_F(UndoRing, TheEleventhSnapshotOverwritesSlotOne) {
    halka.yeniSatır(satırı(1));
    for (int i = 2; i <= 10; ++i) halka.yedekle(satırı(i));
    EXPECT_EQ(halka.konum(), 10);
    halka.yedekle(satırı(11));
    EXPECT_EQ(halka.konum(), 1);
    auto dosya = test::dosyaBaytları(klasör / "temp.001");
    ASSERT_GE(dosya.size(), 11000u + 10644);
    EXPECT_EQ(dosya[11000 + 138], 11) << "slot 1 now holds the eleventh snapshot";
    EXPECT_EQ(dosya[110000 + 138], 10);
}

TEST_F(UndoRing, UndoesAtMostNineTimesInARow) {
    halka.yeniSatır(satırı(1));
    for (int i = 2; i <= 15; ++i) halka.yedekle(satırı(i));
    int geriAlınan = 0;
    while (halka.geriAlınabilir()) {
        halka.geriAl(tampon);
        ++geriAlınan;
    }
    EXPECT_EQ(std::tuple(geriAlınan, işareti(tampon)), std::tuple(9, 6));
}

TEST_F(UndoRing, AnEditAfterUndoGivesUpOneRedo) {
    halka.yeniSatır(satırı(1));
    halka.yedekle(satırı(2));
    halka.yedekle(satırı(3));
    halka.geriAl(tampon);
    halka.geriAl(tampon);
    halka.yedekle(satırı(4));
    EXPECT_EQ(std::tuple(halka.geriSayısı(), halka.ileriSayısı()), std::tuple(1, 1));
}

TEST(UndoRingFile, IsDeletedWithTheRing) {
    test::GeçiciKlasör klasör;
    {
        YedekHalkası halka(klasör / "temp.001");
        EXPECT_TRUE(std::filesystem::exists(klasör / "temp.001"));
    }
    EXPECT_FALSE(std::filesystem::exists(klasör / "temp.001"));
}

// A run killed with edits not stored leaves its ring behind: the next run
// finds the score, the line and the snapshot the user last saw.
TEST_F(UndoRing, AKilledRunLeavesItsLastUnstoredSnapshotToRecover) {
    const auto kalan = klasör / "kalan.001";
    const auto bırakılan = [&] {
        std::filesystem::copy_file(klasör / "temp.001", kalan, std::filesystem::copy_options::overwrite_existing);
        return YedekHalkası::kurtar(kalan);
    };
    halka.satırıTanıt("/eserler/Üsküdar.EVD", 7);
    halka.yeniSatır(satırı(1));
    EXPECT_FALSE(bırakılan()) << "nothing edited";
    halka.kaydedilmemiş(true);
    halka.yedekle(satırı(2));
    halka.yedekle(satırı(3));
    halka.geriAl(tampon);
    const auto k = bırakılan();
    ASSERT_TRUE(k);
    EXPECT_EQ(std::tuple(k->eser.string(), k->satırNo, işareti(k->satır)), std::tuple("/eserler/Üsküdar.EVD", 7, 2));
    halka.kaydedilmemiş(false);
    EXPECT_FALSE(bırakılan()) << "stored";
}

TEST(UndoRingFile, ADamagedOrForeignRingRecoversNothing) {
    test::GeçiciKlasör klasör;
    EXPECT_FALSE(YedekHalkası::kurtar(klasör / "yok.001"));
    test::dosyaYaz(klasör / "a.001", std::vector<std::uint8_t>(200000, 0xFF));
    EXPECT_FALSE(YedekHalkası::kurtar(klasör / "a.001"));
    {
        YedekHalkası halka(klasör / "temp.001");
        halka.satırıTanıt("/e.EVD", 3);
        halka.yeniSatır(satırı(1));
        halka.kaydedilmemiş(true);
        std::filesystem::copy_file(klasör / "temp.001", klasör / "b.001");
    }
    std::filesystem::resize_file(klasör / "b.001", 15000);
    EXPECT_FALSE(YedekHalkası::kurtar(klasör / "b.001")) << "its snapshot cut off";
}

}  // namespace
}  // namespace selvika
