#include "edit/range_commands.h"

#include <gtest/gtest.h>

#include "core/score_file.h"
#include "rhythm/measure_check.h"
#include "tests/edit/line_builder.h"
#include "tests/support/line_writer.h"
#include "tests/support/line_values.h"
#include "tests/support/open_editor.h"

namespace selvika {
namespace {

class RangeButtons : public ::testing::Test, protected test::AçıkEditör {
protected:
    void SetUp() override {
        editör.satıraGit(2);
        editör.tampon() = test::dizilmişSatır(6);
        for (int j = 1; j <= 6; ++j) tampon().elemanlar[j].tür = static_cast<Byte>(j);
    }
    Satır& tampon() { return editör.tampon(); }
    std::vector<int> türler() { return test::herEleman(tampon(), &Eleman::tür); }

    ElemanPanosu pano;
};

TEST_F(RangeButtons, TheTableHoldsTheCaptionsAtTheirIndices) {
    std::vector<std::pair<int, std::string>> düğmeler;
    for (const AralıkDüğmesi& d : aralıkDüğmeleri()) düğmeler.emplace_back(d.indeks, d.başlık);
    EXPECT_EQ(düğmeler, (std::vector<std::pair<int, std::string>>{
                            {0, "sil"}, {1, "kop"}, {2, "taşı"}, {6, "Tam"}, {7, "1/2"},
                            {8, "0"}, {9, "1"}, {10, "2"}, {11, "3"}}));
}

TEST_F(RangeButtons, CopyStoresTheLineThenCancelsASlurEnteringTheRange) {
    for (int j = 2; j <= 4; ++j) tampon().elemanlar[j].yay[2].durum = j == 2 ? 1 : j == 4 ? 3 : 2;
    Command22_Click(editör, pano, {3, 5}, AralıkKomutu::kop);
    for (int j = 2; j <= 4; ++j) EXPECT_EQ(tampon().elemanlar[j].yay[2].durum, 0) << j;
    EXPECT_EQ(oturum.eser().satırlar[2].elemanlar[3].yay[2].durum, 2) << "stored before the cancel";
    ASSERT_TRUE(pano.hazır);
    EXPECT_EQ(std::tuple(pano.n, pano.satır.elemanlar[1].tür, pano.satır.elemanlar[1].yay[2].durum), std::tuple(3, 3, 0));
    EXPECT_EQ(türler(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(editör.geriAlınabilir());
}

TEST_F(RangeButtons, MoveCopiesThenDeletes) {
    Command22_Click(editör, pano, {2, 3}, AralıkKomutu::taşı);
    EXPECT_EQ(türler(), (std::vector<int>{1, 4, 5, 6}));
    EXPECT_EQ(std::tuple(pano.n, pano.satır.elemanlar[2].tür), std::tuple(2, 3));
    EXPECT_EQ(tampon().elemanlar[5], Eleman{}) << "the freed slots are empty";
}

TEST_F(RangeButtons, DeleteShiftsTheRestLeftAndLeavesTheClipboard) {
    Command22_Click(editör, pano, {1, 2}, AralıkKomutu::sil);
    EXPECT_EQ(türler(), (std::vector<int>{3, 4, 5, 6}));
    EXPECT_FALSE(pano.hazır);
    EXPECT_TRUE(editör.değişti());
}

TEST_F(RangeButtons, FullAndHalfSizeTheRangeOnly) {
    Command22_Click(editör, pano, {2, 3}, AralıkKomutu::yarım);
    EXPECT_EQ(test::herEleman(tampon(), &Eleman::boyut), (std::vector<int>{0, 15, 15, 0, 0, 0}));
    Command22_Click(editör, pano, {3, 4}, AralıkKomutu::tam);
    EXPECT_EQ(test::herEleman(tampon(), &Eleman::boyut), (std::vector<int>{0, 15, 30, 30, 0, 0}));
}

TEST_F(RangeButtons, ARangeOutsideTheLineDoesNothing) {
    const Satır önce = tampon();
    Command22_Click(editör, pano, {5, 7}, AralıkKomutu::sil);
    EXPECT_EQ(tampon(), önce);
    EXPECT_FALSE(editör.geriAlınabilir());
}

TEST_F(RangeButtons, ChannelTwoTakesNotesOutOfTheMeasureCheck) {
    test::SatırYazıcı yazıcı;
    yazıcı.usul(5).nota(2).nota(4).nota(4).nota(4).nota(4).çizgi();
    tampon() = yazıcı.satır;
    Command22_Click(editör, pano, {5, 6}, AralıkKomutu::kanal2);
    EXPECT_EQ(std::tuple(tampon().elemanlar[4].kanal, tampon().elemanlar[5].kanal), std::tuple(0, 2));
    auto eser = std::make_unique<Eser>();
    eser->satırlar[1] = tampon();
    eser->satırlar[1].satırSonu = 1;
    test::SenaryoluEtkileşim denetçi;
    Mn_mezür_Click(*eser, denetçi);
    EXPECT_EQ(denetçi.metinler(), std::vector<std::string>{"1 satır kotrol edildi, başka mezür hatası bulunmadı."});
}

}  // namespace
}  // namespace selvika
