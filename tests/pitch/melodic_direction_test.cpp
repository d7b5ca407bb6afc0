#include "pitch/melodic_direction.h"

#include <gtest/gtest.h>

#include <string>

namespace selvika {
namespace {

// A line written note by note; the marks read "/" rising, "?" level and
// "\" falling, one for each note in order.
class Seyri : public ::testing::Test {
public:
    Seyri& nota(Byte p, Byte gurupYeri = 0, Integer arıza = 0) {
        Eleman& e = ekle(p);
        e.süre = 8;
        e.gurup.gurupYeri = gurupYeri;
        e.arıza.arıza = arıza;
        return *this;
    }
    // Beamed notes, the first opening the group and the last closing it.
    Seyri& gurup(std::initializer_list<Byte> perdeler) {
        std::size_t i = 0;
        for (Byte p : perdeler) {
            ++i;
            nota(p, i == 1 ? 1 : i == perdeler.size() ? 3 : 2);
        }
        return *this;
    }
    Seyri& işaret(Byte tür) {
        ekle(tür);
        return *this;
    }
    std::string işaretler() {
        const auto seyir = satırSeyri(satır, {});
        std::string s;
        for (int j = 1; j <= satır.elemanSayısı; ++j)
            if (satır.elemanlar[j].nota()) s += seyir[j] == Seyir::çıkış ? '/' : seyir[j] == Seyir::iniş ? '\\' : '?';
        return s;
    }

    Satır satır;

private:
    Eleman& ekle(Byte tür) {
        Eleman& e = satır.elemanlar[++satır.elemanSayısı];
        e.tür = tür;
        return e;
    }
};

// Hüseyni 11 (k 84) lies above Neva 12 (93), Neva above Çargah 13 (102).
TEST_F(Seyri, TheEndsOfABeamGroupLookOnlyInsideIt) {
    işaret(tür::usul).gurup({11, 12, 11}).gurup({12, 11, 12, 12, 11, 10}).nota(11);
    EXPECT_EQ(işaretler(), "\\?/" "/?\\//" "/" "\\")
        << "reached from above and climbing again is level; a note level with the previous looks ahead";
}

TEST_F(Seyri, ANoteBesideAnElementWithoutPitchLooksTheOtherWay) {
    nota(12).nota(11).işaret(tür::sus).nota(13).işaret(43).nota(12).nota(12).nota(13);
    EXPECT_EQ(işaretler(), "/" "/" "?" "?" "\\\\");
}

TEST_F(Seyri, PitchesComeFromTheWrittenAccidentals) {
    nota(11, 0, -4).nota(11).işaret(43).nota(11).nota(11, 0, -4);
    EXPECT_EQ(işaretler(), "??" "\\\\") << "the flat carries to the second note, not past the bar line";
}

}  // namespace
}  // namespace selvika
