#include <gtest/gtest.h>

#include "tests/support/open_editor.h"

namespace selvika {
namespace {

class LineEditor : public ::testing::Test, protected test::AçıkEditör {
protected:
    Satır& dosyadakiSatır(int n) {
        okunan = eserOku(klasör / "Örnek.EVD").eser;
        return okunan->satırlar[n];
    }

    EserPtr okunan;
};

TEST_F(LineEditor, PreviewsAreHiddenAtTheEndsOfTheScore) {
    editör.satıraGit(1);
    EXPECT_FALSE(editör.üstÖnizleme());
    EXPECT_EQ(editör.altÖnizleme(), 2);
    editör.satıraGit(2);
    EXPECT_EQ(editör.üstÖnizleme(), 1);
    editör.satıraGit(124);
    EXPECT_EQ(editör.altÖnizleme(), 125);
    editör.satıraGit(125);
    EXPECT_EQ(editör.üstÖnizleme(), 124);
    EXPECT_FALSE(editör.altÖnizleme());
    editör.satıraGit(126);
    EXPECT_FALSE(editör.altÖnizleme());
}

TEST_F(LineEditor, LoadingALinePutsTheCursorOnItsLastElement) {
    editör.satıraGit(2);
    int son = editör.tampon().elemanSayısı;
    EXPECT_EQ(editör.tampon().elemanlar[son].imleç, 1);
    EXPECT_EQ(oturum.eser().satırlar[2].elemanlar[son].imleç, 0) << "the score's line is untouched";
    EXPECT_FALSE(editör.geriAlınabilir());
    EXPECT_FALSE(editör.değişti());
}

TEST_F(LineEditor, StoringWritesTheLineIntoTheScoreAndTheFile) {
    editör.satıraGit(3);
    editör.tampon().elemanlar[1].tür = 12;
    editör.düzenlendi();
    EXPECT_TRUE(editör.değişti());
    EXPECT_TRUE(oturum.değişti());
    editör.kaydet();
    EXPECT_FALSE(editör.değişti());
    EXPECT_FALSE(oturum.değişti());
    EXPECT_EQ(oturum.eser().satırlar[3].elemanlar[1].tür, 12);
    EXPECT_EQ(dosyadakiSatır(3).elemanlar[1].tür, 12);
}

TEST_F(LineEditor, AnEmptiedLineIsStoredEmpty) {
    editör.satıraGit(4);
    editör.tampon().elemanSayısı = 0;
    editör.düzenlendi();
    editör.kaydet();
    EXPECT_EQ(dosyadakiSatır(4).elemanSayısı, 0);
}

TEST_F(LineEditor, UndoAndRedoRestoreTheBuffer) {
    editör.satıraGit(1);
    Satır yüklenen = editör.tampon();
    editör.tampon().ayar1 = 55;
    editör.düzenlendi();
    editör.geriAl();
    EXPECT_EQ(editör.tampon(), yüklenen);
    EXPECT_TRUE(editör.yinelenebilir());
    editör.yinele();
    EXPECT_EQ(editör.tampon().ayar1, 55);
}

TEST_F(LineEditor, MovingAwayDropsUnstoredEdits) {
    editör.satıraGit(1);
    editör.tampon().ayar1 = 77;
    editör.düzenlendi();
    editör.satıraGit(2);
    editör.satıraGit(1);
    EXPECT_NE(editör.tampon().ayar1, 77);
    EXPECT_FALSE(editör.geriAlınabilir()) << "the history of line 1 starts afresh";
}

TEST_F(LineEditor, LeavingAChangedLineOffersToStoreIt) {
    editör.satıraGit(5);
    editör.ayrıl();
    EXPECT_TRUE(kullanıcı.mesajlar.empty()) << "an unchanged line is left without a question";

    editör.tampon().ayar3 = 33;
    editör.düzenlendi();
    kullanıcı.cevaplar.push_back(Cevap::evet);
    editör.ayrıl();
    ASSERT_EQ(kullanıcı.mesajlar.size(), 1u);
    EXPECT_EQ(kullanıcı.mesajlar[0].metin,
              "satırda değişiklikler yaptınız, bu satırdan çıkmadan önce bu değişiklikleri\n"
              " kaydetmek istiyor musunuz ?");
    EXPECT_EQ(kullanıcı.mesajlar[0].başlık, "kayıt onayı");
    EXPECT_EQ(dosyadakiSatır(5).ayar3, 33);
}

TEST_F(LineEditor, TheDiscardHintSaysWhatIsLost) {
    editör.vazgeçmeİpucu();
    EXPECT_EQ(kullanıcı.metinler(),
              std::vector<std::string>{"Kaydetmezseniz satırda yapılan değişiklikler geçersiz olacaktır."});
}

}  // namespace
}  // namespace selvika
