#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "core/working_folder.h"
#include "tests/support/score_fixtures.h"

namespace selvika {
namespace {

namespace fs = std::filesystem;

// A program folder and a home of one's own; the answers are taken as
// another user, whom the permission bits bind even when the tests run as root.
struct Klasörler {
    test::GeçiciKlasör kök;
    fs::path program = kök / "program", ev = kök / "ev";

    explicit Klasörler(fs::perms programİzni) {
        fs::permissions(kök.yol(), fs::perms::all);
        fs::create_directory(program);
        fs::create_directory(ev);
        fs::permissions(program, programİzni);
        fs::permissions(ev, fs::perms::all);
    }
    ~Klasörler() { fs::permissions(program, fs::perms::owner_all); }

    // The folder chosen with the given environment, and whether it exists then.
    bool seçer(const char* xdg, const fs::path& beklenen) const {
        return test::başkaKullanıcıOlarak([&] {
            ::setenv("HOME", ev.c_str(), 1);
            if (xdg) ::setenv("XDG_DATA_HOME", xdg, 1);
            else ::unsetenv("XDG_DATA_HOME");
            const fs::path seçilen = çalışmaKlasörü(program);
            return seçilen == beklenen && fs::is_directory(seçilen);
        });
    }
};

TEST(WorkingFolder, AProgramFolderTheUserMayWriteIsItself) {
    Klasörler k(fs::perms::all);
    EXPECT_TRUE(k.seçer(nullptr, k.program));
    EXPECT_FALSE(fs::exists(k.ev / ".local"));
}

struct Ortam {
    const char* xdg;  // XDG_DATA_HOME, "~/" standing for the home; null: unset
    const char* beklenen;  // in the home
};

class ReadOnlyProgramFolder : public testing::TestWithParam<Ortam> {};

TEST_P(ReadOnlyProgramFolder, GivesTheUsersDataFolderMade) {
    Klasörler k(fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::group_exec |
                fs::perms::others_read | fs::perms::others_exec);
    std::string xdg = GetParam().xdg ? GetParam().xdg : "";
    if (xdg.starts_with("~/")) xdg = (k.ev / xdg.substr(2)).string();
    EXPECT_TRUE(k.seçer(GetParam().xdg ? xdg.c_str() : nullptr, k.ev / GetParam().beklenen));
}

INSTANTIATE_TEST_SUITE_P(Environment, ReadOnlyProgramFolder,
                         testing::Values(Ortam{"~/veri", "veri/selvika"}, Ortam{nullptr, ".local/share/selvika"},
                                         Ortam{"veri", ".local/share/selvika"}));

}  // namespace
}  // namespace selvika
