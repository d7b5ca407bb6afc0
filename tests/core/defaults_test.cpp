#include <gtest/gtest.h>

#include "core/defaults.h"

namespace selvika {
namespace {

TEST(NewScore, HasTheDocumentDefaultsAndThePreferenceDefaultsWithoutAPreferencesFile) {
    EserPtr eser = yeniEser(varsayılanTercihler());
    const EserBaşlık& b = eser->başlık;
    EXPECT_EQ(eser->sürüm, 1531);
    EXPECT_TRUE(b.eserAdı.blank());
    EXPECT_EQ(b.pasajSayısı, 0);
    EXPECT_TRUE(b.pasajlar[99].ad.blank());

    const auto& s = b.sayfalar;
    EXPECT_EQ(std::tie(s[1].seviye, s[1].ilkSatır, s[3].ilkSatır, s[20].ilkSatır), std::tuple(80, 1, 21, 191));
    EXPECT_EQ(std::tie(s[2].yoğunluk, s[2].başlıkKonumları[4].y, s[2].başlıkKonumları[9].y), std::tuple(90, 30, 70));

    const auto& t = b.başlıklar;
    EXPECT_EQ(std::tuple(t[1].yazıTipi.yüz.trimmed(), t[3].yazıTipi.boy, t[4].yazıTipi.boy, bool(t[1].yazıTipi.kalın),
                         bool(t[2].yazıTipi.kalın)),
              std::tuple("MS Sans Serif", 24, 18, true, false));

    EXPECT_EQ(b.güfteBlokları[6].sayfa, 1);
    EXPECT_EQ(std::tie(b.güfteYerleri[3].x, b.güfteYerleri[3].y), std::tuple(60, sayfaYüksekliği - 30));

    const Integer boylar[] = {30, 24, 14, 14, 16, 16};
    for (int y = 1; y <= 6; ++y) EXPECT_EQ(b.yazıTipleri[y].boy, boylar[y - 1]) << y;
    EXPECT_TRUE(static_cast<bool>(b.yazıTipleri[6].kalın));
    EXPECT_TRUE(b.yazıTipleri[7].yüz.blank());

    const Pasaj& p = b.satırPasajı;
    EXPECT_EQ(std::tuple(p.ad.trimmed(), p.solist.trimmed()), std::tuple("Satır", "KANUN"));
    EXPECT_EQ(std::tie(p.birimNota, p.girişMetronomu, p.göçürümler[0], p.kanallar), std::tuple(4, 80, 22, 1));
    EXPECT_EQ(std::tie(b.ayrılmışBlok[0], b.ayrılmışBlok[1]), std::tuple(4, 10));

    const auto& g = b.görünümSeçimleri;
    EXPECT_EQ(std::tie(g.a, g.b, g.c), std::tuple(0, 1, 0));
    const auto& a = b.ayarlar;
    EXPECT_EQ(std::tie(a.liezonKalınlığı1, a.liezonKalınlığı2, a.fareİmleci), std::tuple(2, 2, 1));
    for (Boolean bayrak : {b.bayraklar.trioleGörünümü, b.bayraklar.normalModaDön, b.bayraklar.ekÇizgileriGöster,
                           b.bayraklar.uyarıSesleri})
        EXPECT_TRUE(static_cast<bool>(bayrak));
    EXPECT_EQ(başlıktakiTercihler(b), varsayılanTercihler());
}

TEST(NewLine, HasTheLineDefaults) {
    Satır s;
    satıratamaları(s);
    EXPECT_EQ(std::tie(s.elemanSayısı, s.adresAyarı, s.ayar1, s.ayar3, s.ayar2, s.satırSonu, s.heceKayması),
              std::tuple(0, 3, 40, 40, 800, 1, 60));
    const auto& ifade = s.ifadeler[2];
    EXPECT_EQ(std::tuple(ifade.yazıTipi.boy, bool(ifade.yazıTipi.kalın), ifade.kullanımda()), std::tuple(18, true, false));
    EXPECT_EQ(s.elemanlar[1], Eleman{});
}

}  // namespace
}  // namespace selvika
