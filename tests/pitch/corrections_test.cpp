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
    EXPECT_EQ(bekleyenArıza(-4, true, false, kullanıcı), -64);
    EXPECT_EQ(bekleyenArıza(-4, false, true, kullanıcı), -1024);
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
    EXPECT_EQ(arızayıUygula(s, -4 * 16, 113), 2);
    EXPECT_EQ(s.elemanlar[2].arıza.arıza, -4);
    EXPECT_TRUE(static_cast<bool>(s.elemanlar[2].arıza.parantezli));
    EXPECT_EQ(s.elemanlar[2].arıza.mikroton, 0);
    EXPECT_EQ(arızayıUygula(s, 5 * 256, 98), 2);
    EXPECT_EQ(s.elemanlar[2].arıza.arıza, 5);
    EXPECT_TRUE(static_cast<bool>(s.elemanlar[2].arıza.bekarlı));
    EXPECT_FALSE(static_cast<bool>(s.elemanlar[2].arıza.parantezli));
    EXPECT_EQ(arızayıUygula(s, bekar, 114), 0) << "c + 8 is outside";
    EXPECT_EQ(arızayıUygula(s, bekar, 146), 3);
    EXPECT_EQ(s.elemanlar[3].arıza.arıza, bekar);
}

TEST(QuickCorrections, StopAtTheirBounds) {
    Eleman tiz = nota(1), pest = nota(29);
    EXPECT_FALSE(düzelt_dahatiz(tiz, 0));
    EXPECT_FALSE(düzelt_dahapest(pest, 0));
    EXPECT_TRUE(düzelt_dahapest(tiz, 0));
    EXPECT_EQ(tiz.tür, 2);
    Eleman e = nota(15);
    e.arıza.arıza = 8;
    EXPECT_FALSE(düzelt_dahatiz(e, 1));
    EXPECT_TRUE(düzelt_dahapest(e, 1));
    EXPECT_EQ(e.arıza.arıza, 7);
    EXPECT_TRUE(düzelt_dahatiz(e, 2));
    EXPECT_FALSE(düzelt_dahatiz(e, 2));
    EXPECT_EQ(e.arıza.mikroton, 1);
}

TEST(QuickCorrections, NoteValuesAndStems) {
    Eleman otuzikilik = nota(15, 32), birlik = nota(15, 1), kYegah = nota(26, 4);
    EXPECT_FALSE(düzelt_hızlı(otuzikilik));
    EXPECT_FALSE(düzelt_yavaş(birlik));
    EXPECT_FALSE(düzelt_yavaş(kYegah));

    Eleman aşağı = nota(20, 4, "d");
    EXPECT_TRUE(düzelt_hızlı(aşağı));
    EXPECT_EQ(aşağı.süre, 8);
    EXPECT_EQ(aşağı.genişlik, 18);
    EXPECT_TRUE(düzelt_yavaş(aşağı));
    EXPECT_EQ(aşağı.genişlik, 12);

    Eleman çevrilen = nota(15, 8, "p");
    EXPECT_TRUE(düzelt_çevir(çevrilen));
    EXPECT_EQ(çevrilen.sapYönü.trimmed(), "d");
    EXPECT_EQ(çevrilen.genişlik, 18);

    Eleman grupta = nota(15, 8);
    grupta.gurup.gurupYeri = 2;
    EXPECT_FALSE(düzelt_hızlı(grupta));
    EXPECT_FALSE(düzelt_çevir(grupta));
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
    EXPECT_EQ(kullanıcı.mesajlar[0].metin,
              "Kullanıcı tanımlı bir donanım bulunamadı. \n       Şimdi tanımlamak istermisiniz ?         ");
    EXPECT_EQ(kullanıcı.mesajlar[0].başlık, "SELVİKA-Donanım");
    kullanıcıDonanımınıKaydet(k, {});
    EXPECT_FALSE(kullanıcıDonanımıDüzenlensinMi(k, kullanıcı));
    EXPECT_TRUE(kullanıcı.mesajlar[1].metin.starts_with("Kullanıcı tanımlı bir donanım bulundu. Bu donanımı değiştirmek, \n"));
}

}  // namespace
}  // namespace selvika
