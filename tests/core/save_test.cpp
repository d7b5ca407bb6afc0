#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "core/score_file.h"
#include "tests/support/score_fixtures.h"

namespace selvika {
namespace {

using test::GeçiciKlasör;

// Runs `kaydet` in a child process whose files may not grow past `sınır`
// bytes, and returns the child's wait status.
template <class F>
int sınırlıSüreçte(rlim_t sınır, F kaydet) {
    pid_t çocuk = fork();
    if (çocuk == 0) {
        rlimit r{sınır, sınır};
        setrlimit(RLIMIT_FSIZE, &r);
        _exit(kaydet());
    }
    int durum = 0;
    waitpid(çocuk, &durum, 0);
    return durum;
}

class Save : public ::testing::Test {
protected:
    void SetUp() override {
        eserKaydet(*test::örnekEser(), yol);
        önceki = test::dosyaBaytları(yol);
    }

    std::vector<std::filesystem::path> klasördekiler() const {
        std::vector<std::filesystem::path> adlar;
        for (const auto& d : std::filesystem::directory_iterator(klasör.yol())) adlar.push_back(d.path().filename());
        return adlar;
    }

    GeçiciKlasör klasör;
    std::filesystem::path yol = klasör / "Eser.EVD";
    std::vector<std::uint8_t> önceki;
};

TEST_F(Save, ReplacesTheFileAndLeavesNothingBeside) {
    auto büyük = test::herAlanıDoluEser(5);
    eserKaydet(*büyük, yol);
    EXPECT_EQ(test::dosyaBaytları(yol), eserDosyası(*büyük));
    EXPECT_EQ(klasördekiler(), std::vector<std::filesystem::path>{"Eser.EVD"});
}

TEST_F(Save, AnInterruptedSaveLeavesThePreviousFileIntact) {
    int durum = sınırlıSüreçte(önceki.size() + 4096, [&] {
        eserKaydet(*test::herAlanıDoluEser(5), yol);
        return 0;
    });
    ASSERT_TRUE(WIFSIGNALED(durum)) << "the save was meant to be killed while writing";
    EXPECT_EQ(WTERMSIG(durum), SIGXFSZ);
    EXPECT_EQ(test::dosyaBaytları(yol), önceki);
}

TEST_F(Save, AFailedWriteIsReportedAndTheTemporaryFileRemoved) {
    int durum = sınırlıSüreçte(önceki.size() + 4096, [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        try {
            eserKaydet(*test::herAlanıDoluEser(5), yol);
            return 1;
        } catch (const DosyaHatası& hata) {
            const bool beklenen = std::string(hata.what()).find("kaydedilemedi: dosya izin verilen boyutu aşıyor") !=
                                  std::string::npos;
            return beklenen ? 0 : 2;
        }
    });
    ASSERT_TRUE(WIFEXITED(durum));
    EXPECT_EQ(WEXITSTATUS(durum), 0) << "1: no error was raised, 2: the message was not the expected one";
    EXPECT_EQ(test::dosyaBaytları(yol), önceki);
    EXPECT_EQ(klasördekiler(), std::vector<std::filesystem::path>{"Eser.EVD"});
}

TEST_F(Save, IntoAMissingFolderSaysSo) {
    try {
        eserKaydet(*test::örnekEser(), klasör / "yok" / "Eser.EVD");
        FAIL();
    } catch (const DosyaHatası& hata) {
        EXPECT_NE(std::string(hata.what()).find("klasör bulunamadı"), std::string::npos) << hata.what();
    }
}

}  // namespace
}  // namespace selvika
