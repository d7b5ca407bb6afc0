#include "edit/element_clipboard.h"

#include <gtest/gtest.h>

#include "edit/spans.h"
#include "tests/edit/line_builder.h"
#include "tests/support/line_values.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

class ElementClipboard : public ::testing::Test {
protected:
    // A clipboard of n notes, each marked by its kind 1..n.
    void panoyaAl(int n) {
        Satır kaynak = test::dizilmişSatır(n);
        for (int j = 1; j <= n; ++j) kaynak.elemanlar[j].tür = static_cast<Byte>(j);
        panoyaKopyala(kaynak, {1, n}, pano);
    }
    bool yapıştırReddedildi(Satır& satır, int x, const std::string& ikaz) {
        const Satır önce = satır;
        const bool oldu = yapıştır(satır, pano, x, kullanıcı);
        return !oldu && satır == önce && kullanıcı.ikazlar == std::vector<std::string>{ikaz};
    }

    ElemanPanosu pano;
    test::SenaryoluEtkileşim kullanıcı;
};

TEST_F(ElementClipboard, NothingToPasteBeforeACopyNorOverAnElement) {
    Satır satır = test::dizilmişSatır(4);
    EXPECT_TRUE(yapıştırReddedildi(satır, test::araX(3), seçimYok));
    panoyaAl(2);
    kullanıcı.ikazlar.clear();
    EXPECT_TRUE(yapıştırReddedildi(satır, 65, boşBölgeDeğil));
}

TEST_F(ElementClipboard, FiveIntoFiftySixDoesNotFitIntoFiftyFiveItDoes) {
    panoyaAl(5);
    Satır dolu = test::dizilmişSatır(56);
    EXPECT_TRUE(yapıştırReddedildi(dolu, test::araX(56), sığmıyor));
    Satır sığar = test::dizilmişSatır(55);
    ASSERT_TRUE(yapıştır(sığar, pano, test::araX(55), kullanıcı));
    EXPECT_EQ(std::tuple(sığar.elemanSayısı, sığar.elemanlar[56].tür, sığar.elemanlar[60].tür), std::tuple(60, 1, 5));
}

TEST_F(ElementClipboard, AnEmptyLineTakesTheClipboardAsItsFirstElements) {
    panoyaAl(3);
    Satır satır;
    ASSERT_TRUE(yapıştır(satır, pano, 500, kullanıcı));
    EXPECT_EQ(test::herEleman(satır, &Eleman::tür), (std::vector<int>{1, 2, 3}));
}

TEST_F(ElementClipboard, PastingInsertsIntoTheGapAndShiftsTheRest) {
    panoyaAl(2);
    Satır satır = test::dizilmişSatır(4);
    satır.elemanlar[3].tür = 20;
    satır.pasajİşaretleri[3][0] = 7;
    ASSERT_TRUE(yapıştır(satır, pano, test::araX(2), kullanıcı));
    EXPECT_EQ(test::herEleman(satır, &Eleman::tür), (std::vector<int>{15, 15, 1, 2, 20, 15}));
    EXPECT_EQ(satır.pasajİşaretleri[5][0], 7) << "passage marks travel with their element";
    EXPECT_EQ(satır.pasajİşaretleri[3][0], 0);
}

TEST_F(ElementClipboard, InsideAGroupIsRefusedAfterItsLastMemberAllowed) {
    panoyaAl(2);
    Satır satır = test::dizilmişSatır(5);
    for (int j = 2; j <= 4; ++j) satır.elemanlar[j].gurup.gurupYeri = static_cast<Byte>(j - 1);
    for (int sonra : {2, 3}) {
        kullanıcı.ikazlar.clear();
        EXPECT_TRUE(yapıştırReddedildi(satır, test::araX(sonra), gurupArası)) << sonra;
    }
    EXPECT_TRUE(yapıştır(satır, pano, test::araX(4), kullanıcı));
    EXPECT_EQ(satır.elemanlar[5].tür, 1);
}

TEST_F(ElementClipboard, ASpanAcrossTheGapIsCancelled) {
    panoyaAl(1);
    Satır satır = test::dizilmişSatır(4);
    for (int j = 1; j <= 4; ++j) satır.elemanlar[j].dolap.dolap = j == 1 ? 1 : j == 4 ? 3 : 2;
    satır.elemanlar[1].yay[3].durum = 1;
    satır.elemanlar[2].yay[3].durum = 3;
    ASSERT_TRUE(yapıştır(satır, pano, test::araX(2), kullanıcı));
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(satır.elemanlar[j].dolap.dolap, 0) << j;
    EXPECT_EQ(std::tuple(satır.elemanlar[1].yay[3].durum, satır.elemanlar[2].yay[3].durum), std::tuple(1, 3))
        << "a slur ending before the gap stays";
}

TEST_F(ElementClipboard, BorderSpansAreCancelledInnerOnesKept) {
    Satır satır = test::dizilmişSatır(8);
    auto işaretle = [&](Aralık a, int ilk, int son) {
        for (int j = ilk; j <= son; ++j) aralıkİşareti(satır.elemanlar[j], a) = j == ilk ? 1 : j == son ? 3 : 2;
    };
    işaretle(Aralık::yay1, 1, 3);
    işaretle(Aralık::saz, 4, 5);
    işaretle(Aralık::heceÇizgi, 6, 8);
    GurupTemizle(satır, {3, 6});
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(satır.elemanlar[j].yay[1].durum, 0);
    EXPECT_EQ(std::tuple(satır.elemanlar[4].saz.durum, satır.elemanlar[5].saz.durum), std::tuple(1, 3));
    for (int j = 6; j <= 8; ++j) EXPECT_EQ(satır.elemanlar[j].heceÇizgi.durum, 0);
}

TEST_F(ElementClipboard, ACopyLeavesAnAnchoredAttachmentBehind) {
    Satır satır = test::dizilmişSatır(3);
    satır.elemanlar[1].takıKonumu = 950;
    satır.elemanlar[1].takıKonumBloğu = {12, 13};
    satır.elemanlar[2].takıKonumu = 1000;
    satır.elemanlar[2].takıKonumBloğu = {14, 15};
    panoyaKopyala(satır, {1, 2}, pano);
    EXPECT_EQ(std::tuple(pano.hazır, pano.n, pano.satır.elemanlar[1].takıKonumu, pano.satır.elemanlar[2].takıKonumu),
              std::tuple(true, 2, 0, 1000));
    EXPECT_EQ(pano.satır.elemanlar[1].takıKonumBloğu, (std::array<Integer, 2>{0, 13}));
    EXPECT_EQ(satır.elemanlar[1].takıKonumu, 950) << "the line keeps it";
}

TEST_F(ElementClipboard, PastedCopiesDoNotCarryTheCursor) {
    Satır satır = test::dizilmişSatır(4);
    satır.elemanlar[3].imleç = 1;
    panoyaKopyala(satır, {2, 3}, pano);
    ASSERT_TRUE(yapıştır(satır, pano, test::araX(4), kullanıcı));
    std::vector<int> imleçli;
    for (int j = 1; j <= satır.elemanSayısı; ++j)
        if (satır.elemanlar[j].imleç) imleçli.push_back(j);
    EXPECT_EQ(imleçli, std::vector<int>{3});
}

}  // namespace
}  // namespace selvika
