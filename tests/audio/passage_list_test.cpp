#include "audio/passage_list.h"

#include <gtest/gtest.h>

#include "audio/passage_marks.h"
#include "audio/plan_building.h"
#include "tests/audio/plan_fixture.h"

namespace selvika {
namespace {

TEST(YeniPasaj, TakesTheMarkedRangeAndTheDefaults) {
    test::PlanEseri p;
    p.satır(1, 10);
    p.satır(3, 4);
    const Notalar notalar = notalarıKur(*p.eser, p.kullanıcı);
    EserBaşlık& başlık = p.eser->başlık;
    ASSERT_EQ(yeniPasaj(başlık, "Zemin", notalar, 12, 3), 1);  // marked from right to left
    const Pasaj& y = p.pasaj(1);
    EXPECT_EQ(başlık.pasajSayısı, 1);
    EXPECT_EQ(y.ad.trimmed(), "Zemin");
    EXPECT_EQ(std::tuple(y.başlangıçİndeksi, y.bitişİndeksi, y.başlangıçSatırı, y.başlangıçElemanı, y.bitişSatırı,
                         y.bitişElemanı),
              std::tuple(3, 12, 1, 3, 3, 2));
    EXPECT_EQ(std::tuple(y.birimNota, y.girişMetronomu, y.çıkışMetronomu, y.metronomKipi, y.usulNumarası, y.kanallar),
              std::tuple(4, 120, 120, 0, 0, 0));
    EXPECT_EQ(std::tuple(y.solist.trimmed(), y.eşlikler[0].trimmed(), y.eşlikler[2].trimmed(), y.ritim.trimmed()),
              std::tuple("SINUS", "SZYOK", "SZYOK", "RTYOK"));
    EXPECT_EQ(y.sesSeviyeleri, (std::array<Byte, 4>{50, 50, 50, 50}));
    EXPECT_EQ(y.ritimSesi, 50);
    EXPECT_EQ(y.göçürümler, (std::array<Byte, 4>{}));

    EXPECT_FALSE(yeniPasaj(başlık, "Dışarı", notalar, 1, notalar.sayı() + 1));
    başlık.pasajSayısı = 99;
    EXPECT_FALSE(yeniPasaj(başlık, "Fazla", notalar, 1, 2));
}

TEST(YeniPasaj, IsNamedByTheMenuItemOrByTheUser) {
    test::SenaryoluEtkileşim kullanıcı;
    EXPECT_EQ(yeniPasajAdı(3, "Giriş", kullanıcı), "Giriş");
    kullanıcı.girdiler = {"Nakarat", std::nullopt, ""};
    EXPECT_EQ(yeniPasajAdı(yeniİsimSırası, "Yeni isim girin", kullanıcı), "Nakarat");
    EXPECT_FALSE(yeniPasajAdı(yeniİsimSırası, "Yeni isim girin", kullanıcı));
    EXPECT_FALSE(yeniPasajAdı(yeniİsimSırası, "Yeni isim girin", kullanıcı));
    EXPECT_EQ(kullanıcı.metinler(), std::vector<std::string>(3, "Bu pasaja bir isim verin."));
}

// The list before each command holds A, B and C with çeşni cins 1, 2, 3;
// afterwards it reads as names and cins numbers, "." for a blank record.
TEST(PasajListesi, DeletesCopiesClearsAndMovesWithTheirÇeşni) {
    using Komut = void (*)(EserBaşlık&, Etkileşim&);
    const struct { const char* durum; int sayı; Komut komut; std::string liste; std::vector<std::string> mesajlar; }
        durumlar[] = {
            {"delete the middle one", 3, [](EserBaşlık& b, Etkileşim& e) { pasajSil(b, 2, e); }, "A1 C3 .0", {}},
            {"delete the only one", 1, [](EserBaşlık& b, Etkileşim& e) { pasajSil(b, 1, e); }, ".0 .0 .0", {}},
            {"delete with nothing selected", 3, [](EserBaşlık& b, Etkileşim& e) { pasajSil(b, 0, e); },
             "A1 B2 C3", {"Silinecek pasajı seçin"}},
            {"copy the first", 3, [](EserBaşlık& b, Etkileşim&) { pasajKopyala(b, 1); }, "A1 B2 C3 A1", {}},
            {"clear", 3, [](EserBaşlık& b, Etkileşim&) { pasajlarıTemizle(b); }, ".0 .0 .0", {}},
            {"move the last up", 3, [](EserBaşlık& b, Etkileşim& e) { pasajTaşı(b, 3, -1, e); }, "A1 C3 B2", {}},
            {"the first cannot move up", 3, [](EserBaşlık& b, Etkileşim& e) { pasajTaşı(b, 1, -1, e); }, "A1 B2 C3",
             {}},
            {"move with nothing selected", 3, [](EserBaşlık& b, Etkileşim& e) { pasajTaşı(b, 0, 1, e); },
             "A1 B2 C3", {"Taşınacak pasajı seçin"}},
            {"move a lone passage", 1, [](EserBaşlık& b, Etkileşim& e) { pasajTaşı(b, 1, 1, e); }, "A1 .0 .0",
             {"Bu işlem için pasaj sayısı yetersiz."}},
        };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.durum);
        auto eser = std::make_unique<Eser>();
        EserBaşlık& b = eser->başlık;
        for (int n = 1; n <= d.sayı; ++n) {
            b.pasajlar[n] = varsayılanPasaj(std::string(1, char('A' + n - 1)));
            b.pasajDeğerleri[n].cins = Byte(n);
        }
        b.pasajSayısı = Byte(d.sayı);
        test::SenaryoluEtkileşim kullanıcı;
        d.komut(b, kullanıcı);
        std::string liste;
        for (int n = 1; n <= std::max<int>(3, b.pasajSayısı); ++n) {
            const bool dolu = n <= b.pasajSayısı;
            EXPECT_EQ(dolu, !b.pasajlar[n].ad.blank()) << n;
            liste += (n > 1 ? " " : "") + (dolu ? b.pasajlar[n].ad.trimmed() : ".") +
                     std::to_string(b.pasajDeğerleri[n].cins);
        }
        EXPECT_EQ(liste, d.liste);
        EXPECT_EQ(kullanıcı.metinler(), d.mesajlar);
    }
}

TEST(SatırPasajı, OpeningAScoreGivesTheLineRecordItsDefaultsAndMarksThePassages) {
    for (const char* ad : {"Ara", "Satır"}) {
        SCOPED_TRACE(ad);
        test::PlanEseri p;
        Pasaj& satır = p.eser->başlık.satırPasajı;
        satır.ad = Text<16>(ad);
        satır.girişMetronomu = 100;
        p.eser->başlık.pasajSayısı = 1;
        p.pasaj(1).başlangıçSatırı = p.pasaj(1).bitişSatırı = 2;
        p.pasaj(1).başlangıçElemanı = p.pasaj(1).bitişElemanı = 5;
        açılanEserinPlanı(*p.eser, p.kullanıcı);
        EXPECT_EQ(satır.ad.trimmed(), "Satır");
        if (std::string_view(ad) == "Satır") {
            EXPECT_EQ(satır.girişMetronomu, 100);
        } else {
            EXPECT_EQ(std::tuple(satır.birimNota, satır.girişMetronomu, satır.çıkışMetronomu, satır.solist.trimmed(),
                                 satır.göçürümler[0], satır.kanallar),
                      std::tuple(4, 80, 80, "KANUN", 22, 1));
        }
        const auto& yuvalar = p.eser->satırlar[2].pasajİşaretleri[5];
        EXPECT_EQ(std::pair(yuvalar[0], yuvalar[1]), std::pair(Byte{1}, Byte{129}));
    }
}

}  // namespace
}  // namespace selvika
