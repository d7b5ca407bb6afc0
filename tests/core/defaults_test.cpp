#include <gtest/gtest.h>

#include "core/defaults.h"

namespace selvika {
namespace {

TEST(NewScore, HasTheDocumentDefaults) {
    EserPtr eser = yeniEser(varsayılanTercihler());
    const EserBaşlık& b = eser->başlık;
    EXPECT_EQ(eser->sürüm, 1531);
    EXPECT_TRUE(b.eserAdı.blank());
    EXPECT_EQ(b.pasajSayısı, 0);
    EXPECT_TRUE(b.pasajlar[99].ad.blank());

    EXPECT_EQ(b.sayfalar[1].seviye, 80);
    EXPECT_EQ(b.sayfalar[1].ilkSatır, 1);
    EXPECT_EQ(b.sayfalar[3].ilkSatır, 21);
    EXPECT_EQ(b.sayfalar[20].ilkSatır, 191);
    EXPECT_EQ(b.sayfalar[2].yoğunluk, 90);
    EXPECT_EQ(b.sayfalar[2].başlıkKonumları[4].y, 30);
    EXPECT_EQ(b.sayfalar[2].başlıkKonumları[9].y, 70);

    EXPECT_EQ(b.başlıklar[1].yazıTipi.yüz.trimmed(), "MS Sans Serif");
    EXPECT_EQ(b.başlıklar[3].yazıTipi.boy, 24);
    EXPECT_EQ(b.başlıklar[4].yazıTipi.boy, 18);
    EXPECT_TRUE(static_cast<bool>(b.başlıklar[1].yazıTipi.kalın));
    EXPECT_FALSE(static_cast<bool>(b.başlıklar[2].yazıTipi.kalın));

    EXPECT_EQ(b.güfteBlokları[6].sayfa, 1);
    EXPECT_EQ(b.güfteYerleri[3].x, 60);
    EXPECT_EQ(b.güfteYerleri[3].y, sayfaYüksekliği - 30);

    const Integer boylar[] = {30, 24, 14, 14, 16, 16};
    for (int y = 1; y <= 6; ++y) EXPECT_EQ(b.yazıTipleri[y].boy, boylar[y - 1]) << y;
    EXPECT_TRUE(static_cast<bool>(b.yazıTipleri[6].kalın));
    EXPECT_TRUE(b.yazıTipleri[7].yüz.blank());

    EXPECT_EQ(b.satırPasajı.ad.trimmed(), "Satır");
    EXPECT_EQ(b.satırPasajı.solist.trimmed(), "KANUN");
    EXPECT_EQ(b.satırPasajı.birimNota, 4);
    EXPECT_EQ(b.satırPasajı.girişMetronomu, 80);
    EXPECT_EQ(b.satırPasajı.göçürümler[0], 22);
    EXPECT_EQ(b.satırPasajı.kanallar, 1);
    EXPECT_EQ(b.ayrılmışBlok[0], 4);
    EXPECT_EQ(b.ayrılmışBlok[1], 10);
}

TEST(NewScore, TakesThePreferenceDefaultsWithoutAPreferencesFile) {
    EserPtr eser = yeniEser(varsayılanTercihler());
    const EserBaşlık& b = eser->başlık;
    EXPECT_EQ(b.görünümSeçimleri.a, 0);
    EXPECT_EQ(b.görünümSeçimleri.b, 1);
    EXPECT_EQ(b.görünümSeçimleri.c, 0);
    EXPECT_EQ(b.ayarlar.liezonKalınlığı1, 2);
    EXPECT_EQ(b.ayarlar.liezonKalınlığı2, 2);
    EXPECT_EQ(b.ayarlar.fareİmleci, 1);
    for (Boolean bayrak : {b.bayraklar.trioleGörünümü, b.bayraklar.normalModaDön, b.bayraklar.ekÇizgileriGöster,
                           b.bayraklar.uyarıSesleri})
        EXPECT_TRUE(static_cast<bool>(bayrak));
    EXPECT_EQ(başlıktakiTercihler(b), varsayılanTercihler());
}

TEST(NewLine, HasTheLineDefaults) {
    Satır s;
    satıratamaları(s);
    EXPECT_EQ(s.elemanSayısı, 0);
    EXPECT_EQ(s.adresAyarı, 3);
    EXPECT_EQ(s.ayar1, 40);
    EXPECT_EQ(s.ayar3, 40);
    EXPECT_EQ(s.ayar2, 800);
    EXPECT_EQ(s.satırSonu, 1);
    EXPECT_EQ(s.heceKayması, 60);
    EXPECT_EQ(s.ifadeler[2].yazıTipi.boy, 18);
    EXPECT_TRUE(static_cast<bool>(s.ifadeler[2].yazıTipi.kalın));
    EXPECT_FALSE(s.ifadeler[2].kullanımda());
    EXPECT_EQ(s.elemanlar[1], Eleman{});
}

}  // namespace
}  // namespace selvika
