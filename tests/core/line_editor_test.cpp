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
    const std::tuple<int, std::optional<int>, std::optional<int>> durumlar[] = {
        {1, std::nullopt, 2}, {2, 1, 3}, {124, 123, 125}, {125, 124, std::nullopt}, {126, 125, std::nullopt}};
    for (const auto& [satır, üst, alt] : durumlar) {
        editör.satıraGit(satır);
        EXPECT_EQ(std::tuple(editör.üstÖnizleme(), editör.altÖnizleme()), std::tuple(üst, alt)) << satır;
    }
}

TEST_F(LineEditor, LoadingALinePutsTheCursorOnItsLastElement) {
    editör.satıraGit(2);
    int son = editör.tampon().elemanSayısı;
    EXPECT_EQ(editör.tampon().elemanlar[son].imleç, 1);
    EXPECT_EQ(oturum.eser().satırlar[2].elemanlar[son].imleç, 0) << "the score's line is untouched";
    EXPECT_EQ(std::tuple(editör.geriAlınabilir(), editör.değişti()), std::tuple(false, false));
}

TEST_F(LineEditor, StoringWritesTheLineIntoTheScoreAndTheFile) {
    editör.satıraGit(3);
    editör.tampon().elemanlar[1].tür = 12;
    editör.düzenlendi();
    EXPECT_EQ(std::tuple(editör.değişti(), oturum.değişti()), std::tuple(true, true));
    editör.kaydet();
    EXPECT_EQ(std::tuple(editör.değişti(), oturum.değişti()), std::tuple(false, false));
    EXPECT_EQ(std::tuple(oturum.eser().satırlar[3].elemanlar[1].tür, dosyadakiSatır(3).elemanlar[1].tür),
              std::tuple(12, 12));
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
    editör.tampon().ayar3 = 33;
    editör.düzenlendi();
    kullanıcı.cevaplar.push_back(Cevap::evet);
    editör.ayrıl();
    ASSERT_EQ(kullanıcı.mesajlar.size(), 1u);
    EXPECT_EQ(kullanıcı.mesajlar[0].metin,
              "satırda değişiklikler yaptınız, bu satırdan çıkmadan önce bu değişiklikleri\n"
              " kaydetmek istiyor musunuz ?");
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
    editör.ayrıl();
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
    const auto& [metin, başlık, düğmeler] = kullanıcı.mesajlar[0];
    EXPECT_EQ(std::tuple(metin, başlık, düğmeler), std::tuple(satırdanÇıkmaSorusu, "kayıt onayı", Düğmeler::evetHayırVazgeç));
    EXPECT_EQ(gitti, cevap != Cevap::vazgeç);
    EXPECT_EQ(eserOku(klasör / "Örnek.EVD").eser->satırlar[5].ayar3 == 33, cevap == Cevap::evet);
    if (cevap == Cevap::vazgeç) {
        EXPECT_EQ(std::tuple(kullanıcı.mesajlar.size(), editör.satırNo(), editör.değişti(), editör.tampon().ayar3),
                  std::tuple(1u, 5, true, 33))
            << "nothing else happens";
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
    EXPECT_EQ(std::tuple(eserBaşı(*eser).makam, eserBaşı(*eser).usul), std::tuple(19, 5));
    Satır& satır = eser->satırlar[1];
    satır.elemanlar[satır.elemanSayısı + 1] = satır.elemanlar[1];
    satır.elemanlar[satır.elemanSayısı + 1].usulNo = 30;
    ++satır.elemanSayısı;
    EXPECT_EQ(eserBaşı(*eser).makam, 19) << "a later signature is not the start";
    satır.elemanSayısı = 0;
    EXPECT_EQ(std::tuple(eserBaşı(*eser).makam, eserBaşı(*eser).usul), std::tuple(std::nullopt, std::nullopt));
}

TEST_F(LineEditor, TheDiscardHintSaysWhatIsLost) {
    editör.vazgeçmeİpucu();
    EXPECT_EQ(kullanıcı.metinler(),
              std::vector<std::string>{"Kaydetmezseniz satırda yapılan değişiklikler geçersiz olacaktır."});
}

}  // namespace
}  // namespace selvika
