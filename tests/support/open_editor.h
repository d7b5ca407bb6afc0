#pragma once

#include <gtest/gtest.h>

#include "core/line_editor.h"
#include "core/score_file.h"
#include "tests/support/fake_fonts.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika::test {

// A session in a folder of its own, with the line editor and its undo ring.
struct EditörOrtamı {
    GeçiciKlasör klasör;
    SenaryoluEtkileşim kullanıcı;
    SahteYazıTipleri yazıTipleri{{"MS Sans Serif"}};
    EserOturumu oturum{klasör.yol(), kullanıcı, yazıTipleri};
    YedekHalkası halka{klasör / "temp.001"};
    SatırEditörü editör{oturum, kullanıcı, halka};
};

// The sample score saved there and open.
struct AçıkEditör : EditörOrtamı {
    AçıkEditör() {
        eserKaydet(*örnekEser(), klasör / "Örnek.EVD");
        EXPECT_EQ(oturum.aç(klasör / "Örnek.EVD"), EserOturumu::AçmaSonucu::açıldı);
    }
};

}  // namespace selvika::test
