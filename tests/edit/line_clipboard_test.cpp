#include "edit/line_clipboard.h"

#include <gtest/gtest.h>

#include "tests/edit/line_builder.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

class LineClipboard : public ::testing::Test {
protected:
    LineClipboard() {
        eser->satırlar[3] = test::dizilmişSatır(4);
        eser->satırlar[3].satırSonu = 2;
        eser->satırlar[3].güfteSatırları[1] = Text<100>("ne ga ri");
        eser->satırlar[7] = test::dizilmişSatır(2);
    }

    EserPtr eser = std::make_unique<Eser>();
    SatırPanosu pano;
    test::SenaryoluEtkileşim kullanıcı;
};

TEST_F(LineClipboard, PastingIntoAnEmptyLineAsksNothingAndNeedsACopy) {
    EXPECT_FALSE(pano.Mn_SatıraYapıştır_Click(*eser, 5, kullanıcı));
    EXPECT_EQ(eser->satırlar[5], Satır{});
    pano.Mn_SatırKopyala_Click(3);
    ASSERT_TRUE(pano.Mn_SatıraYapıştır_Click(*eser, 5, kullanıcı));
    EXPECT_TRUE(kullanıcı.mesajlar.empty());
    EXPECT_EQ(eser->satırlar[5], eser->satırlar[3]);
    EXPECT_FALSE(pano.dolu());
}

TEST_F(LineClipboard, MovingLeavesTheSourcePresentButEmpty) {
    const Satır kaynak = eser->satırlar[3];
    pano.Mn_SatırTaşı_Click(3);
    ASSERT_TRUE(pano.Mn_SatıraYapıştır_Click(*eser, 5, kullanıcı));
    EXPECT_EQ(eser->satırlar[5], kaynak);
    EXPECT_EQ(std::tuple(eser->satırlar[3].elemanSayısı, eser->satırlar[3].elemanlar[1]), std::tuple(0, Eleman{}));
    EXPECT_EQ(eser->satırlar[3].satırSonu, 2) << "the line itself stays";
}

TEST_F(LineClipboard, ALineWithElementsAsksAndCancelKeepsIt) {
    const Satır hedef = eser->satırlar[7];
    pano.Mn_SatırKopyala_Click(3);
    kullanıcı.cevaplar = {Cevap::vazgeç};
    EXPECT_FALSE(pano.Mn_SatıraYapıştır_Click(*eser, 7, kullanıcı));
    ASSERT_EQ(kullanıcı.mesajlar.size(), 1u);
    const auto& [metin, başlık, düğmeler] = kullanıcı.mesajlar[0];
    EXPECT_EQ(std::tuple(metin, başlık, düğmeler),
              std::tuple(" yapıştırma işlemi bu satırdaki mevcut notaları siler. Devam etmek istediğinizden eminmisiniz",
                         "yapıştırma onayı", Düğmeler::tamamVazgeç));
    EXPECT_EQ(eser->satırlar[7], hedef);
    kullanıcı.cevaplar = {Cevap::tamam};
    EXPECT_TRUE(pano.Mn_SatıraYapıştır_Click(*eser, 7, kullanıcı));
    EXPECT_EQ(eser->satırlar[7], eser->satırlar[3]);
}

}  // namespace
}  // namespace selvika
