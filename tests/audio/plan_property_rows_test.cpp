#include "audio/plan_property_rows.h"

#include <gtest/gtest.h>

#include "audio/passage_list.h"
#include "audio/passage_voices.h"
#include "audio/plan_line_play.h"
#include "audio/plan_rows.h"
#include "core/header.h"

namespace selvika {
namespace {

TEST(PasajSatırları, ShowEachValueOnTheRowThatEditsIt) {
    Pasaj p = varsayılanPasaj("Zemin");
    p.eşlikler[1] = Text<5>("CELPC");
    p.göçürümler = {22, 0, 5, 0};
    sesKanalınıAyarla(p, 0, 3);
    p.usulNumarası = 7;
    const auto s = pasajSatırları(p, {1, 12, {}}, "Düyek", varsayılanCinsler());
    ASSERT_EQ(s.size(), 29u);
    const struct { int satır; const char* metin; } durumlar[] = {
        {0, "  ADI : Zemin"},
        {4, " birim nota          :Dörtlük"},
        {5, " giriş metronom  :120"},
        {8, " Metronom modu:sabit"},
        {10, " Solist saz      :Bip sesi"},
        {11, "   göçürüm  :Kız neyi"},
        {12, "    Kanallar : 0-3"},
        {15, "    Kanallar : 0  "},
        {16, " 2. refakat sazı  :Çello Picc."},
        {17, "   göçürüm (koma) :5"},
        {20, "   göçürüm  :Bolaheng"},
        {22, " Ritm sazı  :Yok"},
        {23, " Ses Dengelerini düzenle"},
        {24, " usul kalıbı no      :7 (Düyek)"},
        {28, "Çeşni  :  Neva da Hicaz"},
    };
    for (const auto& d : durumlar) EXPECT_EQ(s[std::size_t(d.satır)], d.metin) << d.satır;
    EXPECT_EQ(pasajSatırları(p, {1, 30, {}}, "", varsayılanCinsler())[28], "Çeşni  : Yok ");
}

TEST(PasajSatırları, LinePlayShowsItsFourRows) {
    EserBaşlık b;
    satırPasajınıHazırla(b);
    EXPECT_EQ(satırPasajıSatırları(b.satırPasajı),
              (std::vector<std::string>{" birim nota          :Dörtlük", " metronom  :80", " Solist saz      :Kanun",
                                        "   göçürüm  :Kız neyi"}));
}

}  // namespace
}  // namespace selvika
