#include <gtest/gtest.h>

#include "core/score_start.h"
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

TEST_F(LineEditor, LoadingALineReplacesUnstoredEdits) {
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

    editör.tampon().ayar3 = 44;
    editör.düzenlendi();
    kullanıcı.cevaplar.push_back(Cevap::hayır);
    editör.ayrıl();
    EXPECT_FALSE(editör.değişti()) << "edits not stored are dropped, not asked about again";
    EXPECT_EQ(editör.tampon().ayar3, 33);
}

TEST_F(LineEditor, AnUnchangedLineIsLeftWithoutAQuestion) {
    editör.satıraGit(5);
    EXPECT_TRUE(editör.satıraGeç(6));
    EXPECT_TRUE(oturum.kaydet());
    EXPECT_TRUE(kullanıcı.mesajlar.empty());
    EXPECT_EQ(editör.satırNo(), 6);
}

// Every way off a changed line asks first: store, drop the edits and go on,
// or stay on the line with them and let the command go.
struct Yol {
    const char* ad;
    bool (*komut)(test::AçıkEditör&);
};

const Yol yollar[] = {
    {"Move", [](test::AçıkEditör& o) { return o.editör.satıraGeç(6) && o.editör.satırNo() == 6; }},
    {"Save", [](test::AçıkEditör& o) { return o.oturum.kaydet(); }},
    {"SaveAs",
     [](test::AçıkEditör& o) {
         o.kullanıcı.dosyalar.push_back(o.klasör / "Kopya.EVD");
         o.oturum.farklıKaydet();
         return std::filesystem::exists(o.klasör / "Kopya.EVD");
     }},
    {"Quit", [](test::AçıkEditör& o) { return o.oturum.kapatılsınMı(); }},
    {"Open",
     [](test::AçıkEditör& o) {
         eserKaydet(*test::örnekEser(), o.klasör / "Öteki.EVD");
         return o.oturum.aç(o.klasör / "Öteki.EVD") == EserOturumu::AçmaSonucu::açıldı;
     }},
};

void PrintTo(const Yol& yol, std::ostream* çıktı) { *çıktı << yol.ad; }

class LeavingAChangedLine : public ::testing::TestWithParam<std::tuple<Yol, Cevap>>, protected test::AçıkEditör {};

TEST_P(LeavingAChangedLine, AsksFirstAndFollowsTheAnswer) {
    const auto [yol, cevap] = GetParam();
    editör.satıraGit(5);
    editör.tampon().ayar3 = 33;
    editör.düzenlendi();
    // The score's own questions that may follow are answered "no".
    kullanıcı.cevaplar = {cevap, Cevap::hayır, Cevap::hayır};

    const bool gitti = yol.komut(*this);

    ASSERT_FALSE(kullanıcı.mesajlar.empty());
    EXPECT_EQ(kullanıcı.mesajlar[0].metin, satırdanÇıkmaSorusu);
    EXPECT_EQ(kullanıcı.mesajlar[0].başlık, "kayıt onayı");
    EXPECT_EQ(kullanıcı.mesajlar[0].düğmeler, Düğmeler::evetHayırVazgeç);
    EXPECT_EQ(gitti, cevap != Cevap::vazgeç);
    EXPECT_EQ(eserOku(klasör / "Örnek.EVD").eser->satırlar[5].ayar3 == 33, cevap == Cevap::evet);
    if (cevap == Cevap::vazgeç) {
        EXPECT_EQ(kullanıcı.mesajlar.size(), 1u) << "nothing else happens";
        EXPECT_EQ(editör.satırNo(), 5);
        EXPECT_TRUE(editör.değişti());
        EXPECT_EQ(editör.tampon().ayar3, 33);
    }
}

std::string yolAdı(const ::testing::TestParamInfo<std::tuple<Yol, Cevap>>& bilgi) {
    const Cevap c = std::get<1>(bilgi.param);
    return std::string(std::get<0>(bilgi.param).ad) +
           (c == Cevap::evet ? "Store" : c == Cevap::hayır ? "Discard" : "Stay");
}

INSTANTIATE_TEST_SUITE_P(Paths, LeavingAChangedLine,
                         ::testing::Combine(::testing::ValuesIn(yollar),
                                            ::testing::Values(Cevap::evet, Cevap::hayır, Cevap::vazgeç)),
                         yolAdı);

TEST(ScoreStart, IsTheFirstKeySignatureAndUsulOfLineOne) {
    auto eser = test::örnekEser();
    EXPECT_EQ(eserBaşı(*eser).makam, 19);
    EXPECT_EQ(eserBaşı(*eser).usul, 5);
    Satır& satır = eser->satırlar[1];
    satır.elemanlar[satır.elemanSayısı + 1] = satır.elemanlar[1];
    satır.elemanlar[satır.elemanSayısı + 1].usulNo = 30;
    ++satır.elemanSayısı;
    EXPECT_EQ(eserBaşı(*eser).makam, 19) << "a later signature is not the start";
    satır.elemanSayısı = 0;
    EXPECT_FALSE(eserBaşı(*eser).makam);
    EXPECT_FALSE(eserBaşı(*eser).usul);
}

TEST_F(LineEditor, TheDiscardHintSaysWhatIsLost) {
    editör.vazgeçmeİpucu();
    EXPECT_EQ(kullanıcı.metinler(),
              std::vector<std::string>{"Kaydetmezseniz satırda yapılan değişiklikler geçersiz olacaktır."});
}

}  // namespace
}  // namespace selvika
