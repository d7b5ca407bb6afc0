#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/playback.h"

namespace selvika {
namespace {

// An output and a timer that write down what they are told; the position
// is set by the test as the clock would move it.
struct KayıtlıÇıkış : SesÇıkışı {
    std::vector<std::string> komutlar;
    long saat = 0;
    bool açılır = true;

    bool aç(const std::filesystem::path& d) override {
        komutlar.push_back("aç " + d.string());
        return açılır;
    }
    void çal(long ms) override { komutlar.push_back("çal " + std::to_string(ms)); }
    long konum() const override { return saat; }
    void duraklat() override { komutlar.push_back("duraklat"); }
    void sürdür() override { komutlar.push_back("sürdür"); }
    void kapat() override { komutlar.push_back("kapat"); }
};

struct KayıtlıZamanlayıcı : BitişZamanlayıcısı {
    std::vector<long> kurulan;
    int kaldırılan = 0;
    void kur(long ms) override { kurulan.push_back(ms); }
    void kaldır() override { ++kaldırılan; }
};

struct ÇalıcıTesti : ::testing::Test {
    KayıtlıÇıkış çıkış;
    KayıtlıZamanlayıcı zamanlayıcı;
    Çalıcı çalıcı{çıkış, zamanlayıcı};
};

TEST_F(ÇalıcıTesti, DuraklayıpSürdürünceKalanSüreKurulur) {
    çalıcı.başlat("a.dat", 10000);
    çıkış.saat = 3000;
    EXPECT_DOUBLE_EQ(çalıcı.ilerleme(), 0.3);
    çalıcı.duraklatVeyaSürdür();
    EXPECT_EQ(çalıcı.durum(), ÇalmaDurumu::duraklamış);
    EXPECT_EQ(zamanlayıcı.kaldırılan, 1);
    çalıcı.duraklatVeyaSürdür();
    EXPECT_EQ(çalıcı.durum(), ÇalmaDurumu::çalıyor);
    EXPECT_EQ(zamanlayıcı.kurulan, (std::vector<long>{10000, 7000}));
    EXPECT_EQ(çıkış.komutlar, (std::vector<std::string>{"kapat", "aç a.dat", "çal 0", "duraklat", "sürdür"}));
}

TEST_F(ÇalıcıTesti, ÇalarkenBaşlatmakBaştanÇalar) {
    çalıcı.başlat("a.dat", 5000);
    çıkış.saat = 2500;
    çalıcı.başlat("a.dat", 5000);
    EXPECT_EQ(çıkış.komutlar,
              (std::vector<std::string>{"kapat", "aç a.dat", "çal 0", "kapat", "aç a.dat", "çal 0"}));
    EXPECT_EQ(zamanlayıcı.kurulan, (std::vector<long>{5000, 5000}));
}

TEST_F(ÇalıcıTesti, DurdurmakDüğmeleriBaşaDöndürür) {
    çalıcı.duraklatVeyaSürdür();  // nothing plays: nothing to pause
    EXPECT_TRUE(çıkış.komutlar.empty());
    çalıcı.başlat("a.dat", 5000);
    EXPECT_FALSE(çalıcı.başlatılabilir());
    çalıcı.durdur();
    EXPECT_TRUE(çalıcı.başlatılabilir());
    EXPECT_EQ(çalıcı.ilerleme(), 0);
    EXPECT_EQ(çıkış.komutlar.back(), "kapat");
}

TEST_F(ÇalıcıTesti, AçılamayanDosyaÇalmazAmaDüğmelerDeğişir) {
    çıkış.açılır = false;
    çalıcı.başlat("yok.dat", 5000);
    EXPECT_EQ(çalıcı.durum(), ÇalmaDurumu::çalıyor);
    EXPECT_EQ(çıkış.komutlar, (std::vector<std::string>{"kapat", "aç yok.dat"}));
}

}  // namespace
}  // namespace selvika
