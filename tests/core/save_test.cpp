#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <thread>

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


struct stat durumu(const std::filesystem::path& yol) {
    struct stat st {};
    ::stat(yol.c_str(), &st);
    return st;
}

std::string kayıtHatası(const std::filesystem::path& yol) {
    try {
        eserKaydet(*test::herAlanıDoluEser(2), yol);
    } catch (const DosyaHatası& hata) {
        return hata.what();
    }
    return "(kaydedildi)";
}

TEST_F(Save, ThroughASymbolicLinkTheFileItNamesIsWritten) {
    std::filesystem::create_directory(klasör / "asıl");
    std::filesystem::rename(yol, klasör / "asıl" / "Eser.EVD");
    std::filesystem::create_symlink("asıl/Eser.EVD", yol);
    auto büyük = test::herAlanıDoluEser(5);
    eserKaydet(*büyük, yol);
    EXPECT_TRUE(std::filesystem::is_symlink(yol));
    EXPECT_EQ(test::dosyaBaytları(klasör / "asıl" / "Eser.EVD"), eserDosyası(*büyük));
    EXPECT_EQ(std::filesystem::directory_iterator(klasör / "asıl")->path().filename(), "Eser.EVD");
}

TEST_F(Save, KeepsTheFilesPermissionsOwnerAndHardLinks) {
    ::chmod(yol.c_str(), 0640);
    if (::geteuid() == 0) ::chown(yol.c_str(), 65534, 65534);
    std::filesystem::create_hard_link(yol, klasör / "Bağ.EVD");
    auto büyük = test::herAlanıDoluEser(5);
    eserKaydet(*büyük, yol);
    const struct stat st = durumu(yol);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    if (::geteuid() == 0) EXPECT_EQ(std::tuple(st.st_uid, st.st_gid), std::tuple(65534u, 65534u));
    EXPECT_EQ(std::tuple(st.st_nlink, st.st_ino), std::tuple(2u, durumu(klasör / "Bağ.EVD").st_ino));
    EXPECT_EQ(test::dosyaBaytları(klasör / "Bağ.EVD"), eserDosyası(*büyük));
}

TEST_F(Save, AReadOnlyFileIsRefused) {
    ::chmod(yol.c_str(), 0444);
    EXPECT_EQ(kayıtHatası(yol), "\"" + yol.string() + "\" kaydedilemedi: dosya yalnızca okunabilir.");
    EXPECT_EQ(test::dosyaBaytları(yol), önceki);
}

// What stands at the name is not a file a score may replace. The device is
// a null device of the test's own, so that no failure can touch /dev.
class SaveOverAnotherKind : public Save, public ::testing::WithParamInterface<std::string> {};

TEST_P(SaveOverAnotherKind, IsRefusedAndLeftAsItIs) {
    const std::filesystem::path aygıt = klasör / "aygıt", boru = klasör / "boru", ad = klasör / GetParam();
    if (GetParam() != "boru" && ::mknod(aygıt.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "making a device takes root";
    ASSERT_EQ(::mkfifo(boru.c_str(), 0644), 0);
    std::filesystem::create_symlink("aygıt", klasör / "aygıta bağ");
    EXPECT_EQ(kayıtHatası(ad), "\"" + ad.string() + "\" kaydedilemedi: bu ad bir dosyanın değil, bir aygıtın ya da borunun.");
    EXPECT_EQ(std::tuple(std::filesystem::is_fifo(boru), std::filesystem::is_character_file(aygıt)),
              std::tuple(true, GetParam() != "boru"));
}

INSTANTIATE_TEST_SUITE_P(Save, SaveOverAnotherKind, ::testing::Values("boru", "aygıt", "aygıta bağ"));

TEST_F(Save, ReadingAPipeIsRefusedAtOnceInsteadOfWaitingForAWriter) {
    const auto boru = klasör / "Boru.EVD";
    ASSERT_EQ(::mkfifo(boru.c_str(), 0644), 0);
    try {
        readFile(boru, 100);
        FAIL();
    } catch (const DosyaHatası& hata) {
        EXPECT_EQ(std::string(hata.what()), "\"" + boru.string() + "\" bir dosya değil, bir aygıt ya da boru.");
    }
}

TEST_F(Save, TwoSavesAtOnceLeaveOneWholeFileAndNothingBeside) {
    const auto a = eserDosyası(*test::herAlanıDoluEser(7)), b = eserDosyası(*test::örnekEser());
    EserPtr eserA = test::herAlanıDoluEser(7), eserB = test::örnekEser();
    for (int deneme = 0; deneme < 100; ++deneme) {
        std::string hataA, hataB;
        auto kaydet = [&](Eser& eser, std::string& hata) {
            try {
                eserKaydet(eser, yol);
            } catch (const DosyaHatası& h) {
                hata = h.what();
            }
        };
        std::thread ilk(kaydet, std::ref(*eserA), std::ref(hataA));
        kaydet(*eserB, hataB);
        ilk.join();
        ASSERT_EQ(hataA + hataB, "") << deneme;
        const auto dosya = test::dosyaBaytları(yol);
        ASSERT_TRUE(dosya == a || dosya == b) << deneme;
        ASSERT_EQ(klasördekiler(), std::vector<std::filesystem::path>{"Eser.EVD"}) << deneme;
    }
}

TEST_F(Save, StaleTemporaryFilesOfKilledSavesAreRemovedAndNothingElse) {
    for (const char* ad : {".Eser.EVD.kaydediliyor", ".Eser.EVD.x7Kq2a.kaydediliyor", ".Başka.EVD.Ab3dE9.kaydediliyor"})
        test::dosyaYaz(klasör / ad, {1, 2, 3});
    test::dosyaYaz(klasör / ".gizli", {1});
    test::dosyaYaz(klasör / "kaydediliyor", {1});
    eskiGeçicileriSil(klasör.yol());
    auto adlar = klasördekiler();
    std::ranges::sort(adlar);
    EXPECT_EQ(adlar, (std::vector<std::filesystem::path>{".gizli", "Eser.EVD", "kaydediliyor"}));
}

}  // namespace
}  // namespace selvika
