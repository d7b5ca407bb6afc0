#include <gtest/gtest.h>

#include "core/fixed_text.h"

namespace selvika {
namespace {

TEST(FixedText, IsPaddedWithBlanksCutWhenLongerAndTrimmedAtBothEndsOnly) {
    EXPECT_EQ(Text<5>("do").codePage(), "do   ");
    EXPECT_EQ(Text<5>("Kaba Rast").codePage(), "Kaba ");
    EXPECT_EQ(Text<3>().codePage(), "   ");
    EXPECT_TRUE(Text<3>().blank());
    Text<12> t("  Hicaz  ");
    EXPECT_EQ(t.trimmed(), "Hicaz");
    EXPECT_EQ(t.utf8(), "  Hicaz     ");
    EXPECT_TRUE(Text<1>::filled('\0').blank());
}

TEST(FixedText, HoldsTurkishLettersAsOneCodePageByteEach) {
    Text<16> t("Şığüçöİ");
    EXPECT_EQ(t.codePage().substr(0, 7), "\xDE\xFD\xF0\xFC\xE7\xF6\xDD");
    EXPECT_EQ(t.trimmed(), "Şığüçöİ");
    // Cut by characters, not by UTF-8 bytes.
    EXPECT_EQ(Text<3>("ğğğğ").utf8(), "ğğğ");
}

TEST(CodePage, ReplacesWhatItCannotHold) {
    EXPECT_EQ(toCodePage("a→b"), "a?b");
    EXPECT_EQ(toCodePage("\xF0\x9F\x8E\xB5!"), "?!");
    EXPECT_EQ(toCodePage("broken \xC3"), "broken ?");
    // 0x81 is undefined in code page 1254; the text stays valid UTF-8.
    EXPECT_EQ(fromCodePage("a\x81z"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(fromCodePage("\x80"), "€");
    // A fixed text keeps undefined bytes as they are for the file.
    EXPECT_EQ(Text<4>::fromCodePageBytes("\x81\x8D\x90\x9D").codePage(), "\x81\x8D\x90\x9D");
}

}  // namespace
}  // namespace selvika
