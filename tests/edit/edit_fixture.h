#pragma once

#include <gtest/gtest.h>

#include "edit/cursor.h"
#include "tests/support/open_editor.h"

namespace selvika::test {

// A new score open in the line editor on line 1, and helpers to lay notes
// into its buffer.
class Düzenleme : public ::testing::Test, protected EditörOrtamı {
protected:
    void SetUp() override {
        kullanıcı.cevaplar.push_back(Cevap::tamam);  // a new score under that name
        ASSERT_EQ(oturum.aç(klasör / "Yeni.EVD"), EserOturumu::AçmaSonucu::açıldı);
        editör.satıraGit(1);
        kullanıcı.mesajlar.clear();
    }

    Satır& satır() { return editör.tampon(); }
    Eleman& e(int j) { return satır().elemanlar[j]; }

    // Notes of the given values at position 12 ("p" stems), the cursor on
    // the last.
    void notalar(std::initializer_list<int> süreler) {
        int j = satır().elemanSayısı;
        for (int süre : süreler) {
            Eleman& n = e(++j);
            n.tür = 12;
            n.süre = static_cast<Byte>(süre);
            n.boyut = 30;
            sapHarfiKoy(n, sapPes);
        }
        satır().elemanSayısı = static_cast<Byte>(j);
        imleçKoy(satır(), j);
    }

    void gurupla(int ilk, int son) {
        for (int j = ilk; j <= son; ++j) e(j).gurup.gurupYeri = j == ilk ? 1 : j == son ? 3 : 2;
    }
};

}  // namespace selvika::test
