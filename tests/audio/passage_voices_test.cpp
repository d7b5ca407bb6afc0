#include "audio/passage_voices.h"

#include <gtest/gtest.h>

#include "audio/passage_list.h"
#include "audio/plan_captions.h"

namespace selvika {
namespace {

TEST(PasajSesleri, ChannelsTakeTwoBitsEachAndAVoiceHearsChannelZeroAndItsOwn) {
    Pasaj p;
    p.kanallar = 0b10'01'11'00;  // soloist 0, accompaniments 3, 1, 2
    EXPECT_EQ((std::array{sesKanalı(p, 0), sesKanalı(p, 1), sesKanalı(p, 2), sesKanalı(p, 3)}),
              (std::array<Byte, 4>{0, 3, 1, 2}));
    sesKanalınıAyarla(p, 1, 2);
    sesKanalınıAyarla(p, 0, 1);
    EXPECT_EQ(p.kanallar, 0b10'01'10'01);
    const struct { Byte ses, kayıt; bool duyar; } durumlar[] = {
        {0, 0, true}, {0, 1, false}, {2, 0, true}, {2, 2, true}, {2, 3, false}, {1, 2, false}};
    for (const auto& d : durumlar) EXPECT_EQ(duyar(d.ses, d.kayıt), d.duyar) << int(d.ses) << " " << int(d.kayıt);
}

TEST(PasajSesleri, APassageWithoutInstrumentsOrRhythmIsSilent) {
    Pasaj p = varsayılanPasaj("A");
    EXPECT_FALSE(pasajSessiz(p));  // the soloist beeps
    sesSazı(p, 0) = Text<5>("SZYOK");
    EXPECT_TRUE(pasajSessiz(p));
    sesSazı(p, 3) = Text<5>("KEMAN");
    EXPECT_EQ(std::pair(sesÇalar(p, 3), pasajSessiz(p)), std::pair(true, false));
    sesSazı(p, 3) = Text<5>("SZYOK");
    p.ritim = Text<5>("KUDUM");
    EXPECT_FALSE(pasajSessiz(p));
}

TEST(PlanYazıları, ShowTheValuesOfAPassage) {
    const std::pair<std::string, std::string> yazılar[] = {
        {sazAdı(Text<5>("SINUS")), "Bip sesi"},
        {sazAdı(Text<5>("MTNBR")), "Tanbur"},
        {sazAdı(Text<5>("CELPC")), "Çello Picc."},
        {sazAdı(Text<5>("SZYOK")), "Yok"},
        {sazAdı(Text<5>("KNTRL")), "KNTRL"},
        {ritimSazıAdı(Text<5>("TEFOO")), "Def"},
        {ritimSazıAdı(Text<5>("RTYOK")), "Yok"},
        {birimNotaAdı(16), "Onaltılık"},
        {birimNotaAdı(5), ""},
        {metronomKipiAdı(0), "sabit"},
        {metronomKipiAdı(3), "artan"},
        {metronomKipiAdı(4), ""},
        {kanalYazısı(0), "    Kanallar : 0  "},
        {kanalYazısı(3), "    Kanallar : 0-3"},
        {göçürümYazısı(22), "Kız neyi"},
        {göçürümYazısı(7), "   göçürüm (koma) :7"},
    };
    for (const auto& [yazı, beklenen] : yazılar) EXPECT_EQ(yazı, beklenen);
}

}  // namespace
}  // namespace selvika
