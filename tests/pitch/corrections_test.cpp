#include <gtest/gtest.h>

#include "pitch/accidental_palette.h"
#include "pitch/key_signature_commands.h"
#include "pitch/key_signatures.h"
#include "pitch/print_marks.h"
#include "pitch/quick_corrections.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

Eleman nota(int p, Byte süre = 4, const char* sap = "p") {
    Eleman e;
    e.tür = static_cast<Byte>(p);
    e.süre = süre;
    e.sapYönü = Text<1>(sap);
    e.genişlik = 12;
    return e;
}

TEST(AccidentalPalette, BandsGiveTheirAccidentals) {
    for (auto [x, arıza] : {std::pair{1, -8}, {22, -8}, {23, -5}, {120, int{bekar}}, {253, 8}})
        EXPECT_EQ(paletArızası(x), arıza) << x;
    EXPECT_FALSE(paletArızası(0));
    EXPECT_FALSE(paletArızası(254));
}

TEST(AccidentalPalette, ShiftAndCtrlTogetherKeepThePlainCodeAndWarn) {
    test::SenaryoluEtkileşim kullanıcı;
    EXPECT_EQ(std::tuple(bekleyenArıza(-4, true, false, kullanıcı), bekleyenArıza(-4, false, true, kullanıcı)),
              std::tuple(-64, -1024));
    EXPECT_TRUE(kullanıcı.ikazlar.empty());
    EXPECT_EQ(bekleyenArıza(-4, true, true, kullanıcı), -4);
    EXPECT_EQ(kullanıcı.ikazlar, std::vector<std::string>{parantezVeBekar});
}

TEST(AccidentalPalette, AClickGivesTheAccidentalToTheNoteUnderIt) {
    Satır s;
    s.elemanSayısı = 3;
    s.elemanlar[1].tür = 43;
    s.elemanlar[1].konum.x = 100;
    s.elemanlar[2] = nota(15);
    s.elemanlar[2].konum.x = 100;  // centre 106
    s.elemanlar[2].arıza.mikroton = 1;
    s.elemanlar[3] = nota(14);
    s.elemanlar[3].konum.x = 140;
    const auto& a = s.elemanlar[2].arıza;
    EXPECT_EQ(arızayıUygula(s, -4 * 16, 113), 2);
    EXPECT_EQ(std::tuple(a.arıza, bool(a.parantezli), a.mikroton), std::tuple(-4, true, 0));
    EXPECT_EQ(arızayıUygula(s, 5 * 256, 98), 2);
    EXPECT_EQ(std::tuple(a.arıza, bool(a.bekarlı), bool(a.parantezli)), std::tuple(5, true, false));
    EXPECT_EQ(arızayıUygula(s, bekar, 114), 0) << "c + 8 is outside";
    EXPECT_EQ(arızayıUygula(s, bekar, 146), 3);
    EXPECT_EQ(s.elemanlar[3].arıza.arıza, bekar);
}

TEST(QuickCorrections, StopAtTheirBounds) {
    Eleman tiz = nota(1), pest = nota(29);
    // Braces: the calls run left to right.
    EXPECT_EQ((std::tuple{düzelt_dahatiz(tiz, 0), düzelt_dahapest(pest, 0), düzelt_dahapest(tiz, 0), tiz.tür}),
              std::tuple(false, false, true, 2));
    Eleman e = nota(15);
    e.arıza.arıza = 8;
    EXPECT_EQ((std::tuple{düzelt_dahatiz(e, 1), düzelt_dahapest(e, 1), e.arıza.arıza}), std::tuple(false, true, 7));
    EXPECT_EQ((std::tuple{düzelt_dahatiz(e, 2), düzelt_dahatiz(e, 2), e.arıza.mikroton}), std::tuple(true, false, 1));
}

TEST(QuickCorrections, NoteValuesAndStems) {
    Eleman otuzikilik = nota(15, 32), birlik = nota(15, 1), kYegah = nota(26, 4);
    EXPECT_EQ(std::tuple(düzelt_hızlı(otuzikilik), düzelt_yavaş(birlik), düzelt_yavaş(kYegah)),
              std::tuple(false, false, false));
    Eleman aşağı = nota(20, 4, "d");
    EXPECT_EQ((std::tuple{düzelt_hızlı(aşağı), aşağı.süre, aşağı.genişlik}), std::tuple(true, 8, 18));
    EXPECT_EQ((std::tuple{düzelt_yavaş(aşağı), aşağı.genişlik}), std::tuple(true, 12));
    Eleman çevrilen = nota(15, 8, "p");
    EXPECT_EQ((std::tuple{düzelt_çevir(çevrilen), çevrilen.sapYönü.trimmed(), çevrilen.genişlik}),
              std::tuple(true, "d", 18));
    Eleman grupta = nota(15, 8);
    grupta.gurup.gurupYeri = 2;
    EXPECT_EQ(std::tuple(düzelt_hızlı(grupta), düzelt_çevir(grupta)), std::tuple(false, false));
}

TEST(PrintMarks, ShowTheAccidentalsWithoutGlyphsAndTheMicrotones) {
    Satır s;
    s.elemanSayısı = 2;
    s.elemanlar[1] = nota(15);
    s.elemanlar[1].arıza.arıza = -7;
    s.elemanlar[1].konum = {50, 3};
    s.elemanlar[2] = nota(14);
    s.elemanlar[2].arıza.mikroton = -1;
    s.elemanlar[2].konum.x = 90;
    auto işaretler = baskıİşaretleri(s);
    ASSERT_EQ(işaretler.size(), 2u);
    EXPECT_EQ(std::tie(işaretler[0].x, işaretler[0].y, işaretler[0].metin), std::tuple(53, 160, "7"));
    EXPECT_EQ(std::tie(işaretler[1].y, işaretler[1].metin), std::tuple(175, "-"));
}

TEST(KeySignatureInsertion, RefusesWithoutAMakamOrAUserSignature) {
    test::SenaryoluEtkileşim kullanıcı;
    KullanıcıDonanımı boş;
    EXPECT_FALSE(donanımElemanı(std::nullopt, boş, kullanıcı));
    EXPECT_EQ(kullanıcı.metinler(), std::vector<std::string>{"bir makam seçin"});
    EXPECT_FALSE(donanımElemanı(kullanıcıTanımlı, boş, kullanıcı));
    EXPECT_EQ(kullanıcı.ikazlar, std::vector<std::string>{"kullanıcı tanımlı donanım yok"});
    const auto e = donanımElemanı(7, boş, kullanıcı);
    ASSERT_TRUE(e);
    EXPECT_EQ(std::tie(e->tür, e->genişlik, e->usulNo), std::tuple(40, 17, 7));
}

TEST(KeySignatureInsertion, AsksBeforeDefiningOrChangingTheUserSignature) {
    test::SenaryoluEtkileşim kullanıcı;
    KullanıcıDonanımı k;
    kullanıcı.cevaplar = {Cevap::evet, Cevap::hayır};
    EXPECT_TRUE(kullanıcıDonanımıDüzenlensinMi(k, kullanıcı));
    EXPECT_EQ(std::tuple(kullanıcı.mesajlar[0].metin, kullanıcı.mesajlar[0].başlık),
              std::tuple("Kullanıcı tanımlı bir donanım bulunamadı. \n       Şimdi tanımlamak istermisiniz ?         ",
                         "SELVİKA-Donanım"));
    kullanıcıDonanımınıKaydet(k, {});
    EXPECT_FALSE(kullanıcıDonanımıDüzenlensinMi(k, kullanıcı));
    EXPECT_TRUE(kullanıcı.mesajlar[1].metin.starts_with("Kullanıcı tanımlı bir donanım bulundu. Bu donanımı değiştirmek, \n"));
}

}  // namespace
}  // namespace selvika
