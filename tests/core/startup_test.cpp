#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/file_io.h"

#include "core/startup.h"
#include "tests/support/score_fixtures.h"

namespace selvika {
namespace {

TEST(SingleRun, ASecondLockOnTheSameFolderIsRefusedUntilTheFirstGoes) {
    test::GeçiciKlasör klasör;
    {
        auto ilk = TekÇalışmaKilidi::al(klasör.yol());
        ASSERT_TRUE(ilk);
        EXPECT_FALSE(TekÇalışmaKilidi::al(klasör.yol()));
    }
    EXPECT_TRUE(TekÇalışmaKilidi::al(klasör.yol()));
}

TEST(SingleRun, AFolderThatCannotHoldTheLockSaysSoNotThatSelvikaRuns) {
    test::GeçiciKlasör klasör;
    ::chmod(klasör.yol().c_str(), 0555);
    const std::string beklenen = "Selvika başlatılamadı. \"" + klasör.yol().string() +
                                 "\" klasöründe kilit dosyası açılamadı: bu klasöre yazma izniniz yok.";
    EXPECT_TRUE(test::başkaKullanıcıOlarak([&] {
        try {
            return !TekÇalışmaKilidi::al(klasör.yol()) && false;
        } catch (const DosyaHatası& hata) {
            return hata.what() == beklenen;
        }
    }));
    ::chmod(klasör.yol().c_str(), 0755);
}

TEST(Screen, NeedsAtLeast1280By768) {
    EXPECT_EQ(std::tuple(ekranYeterli(1280, 768), ekranYeterli(1024, 768), ekranYeterli(1280, 767)),
              std::tuple(true, false, false));
}

TEST(ReminderList, StartsWithItsHeading) {
    EXPECT_EQ(hatırlatmaListesi().front(), "          K I S A   Y O L    T U Ş L A R I");
}

}  // namespace
}  // namespace selvika
