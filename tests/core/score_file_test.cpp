#include <gtest/gtest.h>

#include "core/defaults.h"
#include "core/score_file.h"
#include "tests/support/score_fixtures.h"

namespace selvika {
namespace {

using test::örnekEser;

EserPtr yeni() { return yeniEser(varsayılanTercihler()); }

Long oku4(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<Long>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::size_t dizinKaydı(int satır) { return başlıkSonu + 59 * static_cast<std::size_t>(satır - 1); }

TEST(ScoreFile, AnEmptyScoreIsVersionHeaderAndIndexWithFieldsAtTheirOffsets) {
    auto eser = yeni();
    eser->başlık.pasajSayısı = 7;
    eser->başlık.aralıklar.satırAralıkları[126] = 0x1234;
    eser->başlık.donanım.işaret = Text<1>("*");
    auto dosya = eserDosyası(*eser);
    ASSERT_EQ(dosya.size(), 21925u);
    // The version, the passage count, page 1's level, the signature mark,
    // the line-play record's name and line 126's spacing.
    for (auto [yer, bayt] : {std::pair<std::size_t, int>{0, 0xFB}, {1, 0x05}, {2 + 6354, 7}, {2 + 6355, 80},
                             {2 + 11573, '*'}, {2 + 11929, 'S'}, {2 + 12953 + 2 * 126, 0x34}})
        EXPECT_EQ(dosya[yer], bayt) << yer;
}

TEST(ScoreFile, OneElementAddsOneRecord) {
    auto eser = yeni();
    eser->satırlar[1].elemanlar[1].tür = 12;
    eser->satırlar[1].elemanSayısı = 1;
    auto dosya = eserDosyası(*eser);
    ASSERT_EQ(dosya.size(), 21925u + 136);
    EXPECT_EQ(std::tuple(dosya[21925], oku4(dosya, dizinKaydı(1))), std::tuple(12, 1));
}

TEST(ScoreFile, LyricLinesAreTrimmedAndABlankOneTakesNoRoom) {
    auto eser = yeni();
    Satır& s = eser->satırlar[2];
    s.elemanSayısı = 1;
    s.güfteSatırları[1] = Text<100>("   ");
    s.güfteSatırları[2] = Text<100>("  Gül açarken  ");
    auto dosya = eserDosyası(*eser);
    EXPECT_EQ(dosya.size(), 21925u + 136 + 11);
    EXPECT_EQ(std::tuple(oku4(dosya, dizinKaydı(2) + 8), oku4(dosya, dizinKaydı(2) + 16)), std::tuple(0, 11))
        << "lengths of lyric lines 1 and 2";
    EXPECT_TRUE(s.güfteSatırları[2].utf8().starts_with("Gül açarken ")) << "trimmed text stored back";

    auto açılan = eserÇöz(dosya);
    EXPECT_TRUE(açılan.eser->satırlar[2].güfteSatırları[1].blank());
    EXPECT_EQ(açılan.eser->satırlar[2].güfteSatırları[2].trimmed(), "Gül açarken");
}

TEST(ScoreFile, ExpressionSlotsOneAndThreeComeBackInTheirSlots) {
    auto eser = yeni();
    Satır& s = eser->satırlar[4];
    s.elemanSayısı = 1;
    s.ifadeler[1].konum1 = 10;
    s.ifadeler[1].metin = Text<50>("birinci");
    s.ifadeler[3].konum1 = 30;
    s.ifadeler[3].metin = Text<50>("üçüncü");
    auto dosya = eserDosyası(*eser);
    EXPECT_EQ(dosya.size(), 21925u + 136 + 2 * 103);
    EXPECT_EQ(oku4(dosya, dizinKaydı(4) + 40), 101);

    auto açılan = eserÇöz(dosya);
    const auto& ifadeler = açılan.eser->satırlar[4].ifadeler;
    EXPECT_EQ(std::tuple(ifadeler[1].metin.trimmed(), ifadeler[2].kullanımda(), ifadeler[3].metin.trimmed()),
              std::tuple("birinci", false, "üçüncü"));
}

TEST(ScoreFile, AnOlderFileKeepsItsVersionAndANewerOneIsRefused) {
    auto eser = yeni();
    eser->sürüm = 1420;
    auto açılan = eserÇöz(eserDosyası(*eser));
    EXPECT_EQ(açılan.eser->sürüm, 1420);
    auto dosya = eserDosyası(*açılan.eser);
    EXPECT_EQ(dosya[0] | dosya[1] << 8, 1420);

    dosya = eserDosyası(*yeni());
    EXPECT_EQ(eserÇöz(dosya).eser->sürüm, 1531);
    dosya[0] = 0xFC;  // 1532
    try {
        eserÇöz(dosya);
        FAIL() << "a newer file was opened";
    } catch (const YeniSürümHatası& hata) {
        EXPECT_EQ(hata.sürüm, 1532);
        EXPECT_TRUE(std::string(hata.what()).starts_with(
            "açmak istediğiniz eser SELVİKA'in daha yeni bir sürümü ile yazılmış. Proğramınızı güncellemeniz gerekir."));
    }
}

TEST(ScoreFile, EveryStoredFieldSurvivesARoundTrip) {
    for (unsigned tohum : {1u, 2u, 3u}) {
        auto eser = test::herAlanıDoluEser(tohum);
        auto dosya = eserDosyası(*eser);
        auto açılan = eserÇöz(dosya);
        ASSERT_TRUE(açılan.rapor.tam()) << açılan.rapor.metin();
        const Eser& okunan = *açılan.eser;
        EXPECT_EQ(pack(okunan.başlık), pack(eser->başlık));
        for (int n = 1; n <= satırSayısı; ++n) {
            const Satır& a = eser->satırlar[n];
            const Satır& b = okunan.satırlar[n];
            ASSERT_EQ(b.elemanSayısı, a.elemanSayısı) << n;
            EXPECT_EQ(std::tie(b.heceKayması, b.ayar4, b.ayar1, b.ayar3, b.ayar2, b.satırSonu),
                      std::tie(a.heceKayması, a.ayar4, a.ayar1, a.ayar3, a.ayar2, a.satırSonu));
            if (a.elemanSayısı == 0) continue;
            for (int j = 1; j <= a.elemanSayısı; ++j) EXPECT_EQ(pack(b.elemanlar[j]), pack(a.elemanlar[j])) << n;
            EXPECT_EQ(b.güfteSatırları, a.güfteSatırları) << n;
            for (int slot = 1; slot <= 3; ++slot) {
                if (!a.ifadeler[slot].kullanımda()) continue;
                EXPECT_EQ(pack(b.ifadeler[slot]), pack(a.ifadeler[slot]));
            }
        }
        EXPECT_EQ(eserDosyası(*açılan.eser), dosya) << "a file the program wrote comes back byte for byte";
    }
}

TEST(ScoreFile, TheSampleRoundTripsAndALineEmptiedKeepsTheOtherFieldsOfItsIndexRecord) {
    auto eser = örnekEser();
    auto asıl = eserDosyası(*eser);
    auto açılan = eserÇöz(asıl);
    EXPECT_TRUE(açılan.rapor.tam());
    EXPECT_EQ(eserDosyası(*açılan.eser), asıl);

    SatırDizini önce = eser->dizin[3];
    eser->satırlar[3].elemanSayısı = 0;
    auto dosya = eserDosyası(*eser);
    EXPECT_EQ(std::tuple(oku4(dosya, dizinKaydı(3)), oku4(dosya, dizinKaydı(3) + 4), oku4(dosya, dizinKaydı(3) + 40)),
              std::tuple(0, önce.elemanBaşlangıcı, önce.ifadeMaskesi));
    EXPECT_EQ(eserDosyası(*eserÇöz(dosya).eser), dosya);
}

TEST(ScoreFile, OpeningGivesALinePlayRecordOfAnotherNameItsDefaults) {
    auto eser = yeni();
    eser->başlık.satırPasajı.ad = Text<16>("Satır1");
    eser->başlık.satırPasajı.solist = Text<5>("UDOOO");
    eser->başlık.ayarlar.liezonKalınlığı2 = 0;
    auto açılan = eserÇöz(eserDosyası(*eser));
    const EserBaşlık& b = açılan.eser->başlık;
    EXPECT_EQ(std::tuple(b.satırPasajı, b.ayarlar.liezonKalınlığı2), std::tuple(satırPasajıVarsayılanı(), 2));
}

}  // namespace
}  // namespace selvika
