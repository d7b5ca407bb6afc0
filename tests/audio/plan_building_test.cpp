#include "audio/flat_notes.h"

#include <gtest/gtest.h>

#include "audio/passage_checks.h"
#include "audio/passage_marks.h"
#include "audio/plan_building.h"
#include "audio/plan_direction.h"
#include "rhythm/performed_durations.h"
#include "tests/audio/plan_fixture.h"
#include "tests/support/line_writer.h"

namespace selvika {
namespace {

TEST(NotaKaydı, CopiesTheElementItPlays) {
    Eleman e;
    e.tür = 12;
    e.konum = {100, 2};  // two thirds of 102
    e.sesindeks = 120;
    e.süreBirim = 24;
    e.arıza.arıza = -4;
    e.arıza.mikroton = 1;
    e.ayrılmış1 = 1;
    e.kanal = 2;
    e.gurup.gurupYeri = 3;
    const NotaKaydı k = notaKaydı(e, 7, 9);
    EXPECT_EQ(k.ekranX, 68);
    e.konum = {1, 0};  // two thirds of 1
    EXPECT_EQ(notaKaydı(e, 1, 1).ekranX, 1);
    EXPECT_EQ(std::tuple(k.satır, k.eleman, k.tür, k.sesindeks, k.süre, k.arıza, k.mikroton, k.tremolo, k.kanal,
                         k.gurupYeri),
              std::tuple(7, 9, 12, 120, 24, -4, 1, true, 2, 3));
    EXPECT_TRUE(k.sesli());
    e.tür = 31;
    EXPECT_FALSE(notaKaydı(e, 1, 1).sesli());
}

// A triplet plays in whole units that fill the time of two of its notes.
TEST(Notalar, FollowTheLinesInOrderWithTheTripletUnits) {
    const struct { std::initializer_list<Byte> kodlar; std::vector<int> süreler; } durumlar[] = {
        {{0, 0}, {11, 10, 11}}, {{3, 3}, {5, 6, 5}}, {{6, 6}, {3, 2, 3}}};
    for (const auto& d : durumlar) {
        test::PlanEseri p;
        test::SatırYazıcı y;
        y.kirişli(d.kodlar, true);
        süreBirimleriniYaz(y.satır, p.kullanıcı);
        p.eser->satırlar[2] = y.satır;
        p.satır(4, 1);
        const Notalar n = notalarıKur(*p.eser, p.kullanıcı);
        ASSERT_EQ(n.sayı(), 4);
        EXPECT_EQ((std::vector<int>{n[1].süre, n[2].süre, n[3].süre}), d.süreler);
        EXPECT_EQ(std::tuple(n[3].satır, n[3].eleman, n[4].satır, n[4].eleman), std::tuple(2, 3, 4, 1));
        EXPECT_EQ(std::tuple(notaİndeksi(n, 4, 1), notaİndeksi(n, 4, 2)), std::tuple(4, std::nullopt));
    }
}

struct İşaret {
    int satır, eleman;
    Byte değer;
};
struct Yer {
    int başİndeks, bitİndeks, başSatır, başEleman, bitSatır, bitEleman;
    bool operator==(const Yer&) const = default;
};
Pasaj yerinde(int başSatır, int başEleman, int bitSatır, int bitEleman) {
    Pasaj p;
    p.başlangıçSatırı = Byte(başSatır);
    p.başlangıçElemanı = Byte(başEleman);
    p.bitişSatırı = Byte(bitSatır);
    p.bitişElemanı = Byte(bitEleman);
    return p;
}
Yer yeri(const Pasaj& p) {
    return {p.başlangıçİndeksi, p.bitişİndeksi, p.başlangıçSatırı, p.başlangıçElemanı, p.bitişSatırı, p.bitişElemanı};
}

// Line 1 holds 10 notes (records 1-10), line 3 holds 4 (records 11-14).
TEST(PasajİşaretleriOkunur, PlaceEachPassageOnceAndShortenThoseThatLostAMark) {
    const struct {
        const char* durum;
        std::vector<İşaret> işaretler;
        Yer yer;
        std::vector<std::string> mesajlar;
    } durumlar[] = {
        {"start and end on one note make a one-note passage", {{1, 4, 1}, {1, 4, 129}}, {4, 4, 1, 4, 1, 4}, {}},
        {"across lines", {{1, 3, 1}, {3, 2, 129}}, {3, 12, 1, 3, 3, 2}, {}},
        {"a second start mark is reported, the first wins",
         {{1, 2, 1}, {1, 5, 1}, {3, 1, 129}},
         {2, 11, 1, 2, 3, 1},
         {"Pasaj başlangıcına mükerrer atama !"}},
        {"a second end mark is reported, the first wins",
         {{1, 2, 1}, {1, 5, 129}, {1, 6, 129}},
         {2, 5, 1, 2, 1, 5},
         {"Pasaj bitişine mükerrer atama !"}},
        {"a lost start shortens the passage to its end",
         {{3, 4, 129}},
         {14, 14, 3, 4, 3, 4},
         {"1 nolu pasaj başlangıcı silinmiş, bitişine göre kısaltıldı."}},
        {"a lost end shortens the passage to its start",
         {{1, 7, 1}},
         {7, 7, 1, 7, 1, 7},
         {"1 nolu pasaj bitişi silinmiş, başlangıcına göre kısaltıldı."}},
        {"an end before the start has to be marked again",
         {{1, 7, 1}, {1, 3, 129}},
         {7, 3, 1, 7, 1, 3},
         {"1 nolu pasajı belirleyen notalar değiştirilmiş. Tekrar tanımlamanız gerekir."}},
        {"with no mark left the old places are cleared",
         {},
         {0, 0, 0, 0, 0, 0},
         {"1 nolu pasajı belirleyen notalar değiştirilmiş. Tekrar tanımlamanız gerekir."}},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.durum);
        test::PlanEseri p;
        p.satır(1, 10);
        p.satır(3, 4);
        p.eser->başlık.pasajSayısı = 1;
        p.pasaj(1).başlangıçİndeksi = p.pasaj(1).başlangıçElemanı = 9;
        for (const İşaret& i : d.işaretler) p.işaret(i.satır, i.eleman, i.değer);
        ASSERT_TRUE(icraPlanıKur(*p.eser, p.kullanıcı));
        EXPECT_EQ(yeri(p.pasaj(1)), d.yer);
        EXPECT_EQ(p.kullanıcı.metinler(), d.mesajlar);
    }
}

TEST(PasajİşaretleriOkunur, AClickedPassageThatHasToBeMarkedAgainSaysSo) {
    test::SenaryoluEtkileşim kullanıcı;
    EXPECT_TRUE(pasajKullanılabilir(yerinde(1, 2, 1, 2), kullanıcı));
    EXPECT_TRUE(pasajKullanılabilir(yerinde(0, 0, 1, 2), kullanıcı));  // shortened to its end on reading
    EXPECT_TRUE(kullanıcı.metinler().empty());
    EXPECT_FALSE(pasajKullanılabilir(yerinde(0, 0, 0, 0), kullanıcı));
    EXPECT_EQ(kullanıcı.metinler(),
              std::vector<std::string>{"Bu pasajı belirleyen notalar değiştirilmiş. Tekrar tanımlamanız gerekir."});
}

TEST(PasajİşaretleriOkunur, NeedTenElementsOnTheFirstLine) {
    test::PlanEseri p;
    p.satır(1, 9);
    p.satır(2, 10);
    EXPECT_FALSE(icraPlanıKur(*p.eser, p.kullanıcı));
    EXPECT_EQ(p.kullanıcı.metinler(), std::vector<std::string>{"eserin ilk satırında yeterli nota yok."});
}

TEST(PasajİşaretleriYazılır, GoIntoTheFirstFreeSlotsAndReadBackTheSame) {
    test::PlanEseri p;
    p.satır(1, 10);
    p.işaret(1, 9, 55);  // a stale mark is cleared
    p.eser->başlık.pasajSayısı = 2;
    p.pasaj(1) = yerinde(1, 2, 1, 6);
    p.pasaj(2) = yerinde(1, 6, 1, 6);
    pasajİşaretleriniYaz(*p.eser, p.kullanıcı);
    const auto& işaretler = p.eser->satırlar[1].pasajİşaretleri;
    EXPECT_EQ(işaretler[2][0], 1);
    EXPECT_EQ((std::vector<int>{işaretler[6][0], işaretler[6][1], işaretler[6][2], işaretler[6][3]}),
              (std::vector<int>{129, 2, 130, 0}));
    EXPECT_EQ(işaretler[9][0], 0);
    icraPlanıKur(*p.eser, p.kullanıcı);
    EXPECT_EQ(yeri(p.pasaj(2)), (Yer{6, 6, 1, 6, 1, 6}));
    EXPECT_EQ(yeri(p.pasaj(1)), (Yer{2, 6, 1, 2, 1, 6}));
    EXPECT_TRUE(p.kullanıcı.metinler().empty());
}

TEST(PasajİşaretleriYazılır, AFullElementRefusesTheMarkThatDoesNotFit) {
    for (bool bitiş : {false, true}) {
        test::PlanEseri p;
        p.satır(1, 10);
        p.eser->başlık.pasajSayısı = 25;
        for (int n = 1; n <= 25; ++n)
            p.pasaj(n) = bitiş ? yerinde(n, 1, 1, 3) : yerinde(1, 3, n, 1);
        pasajİşaretleriniYaz(*p.eser, p.kullanıcı);
        EXPECT_EQ(p.kullanıcı.metinler(),
                  std::vector<std::string>{bitiş ? "Bit kademelerinde yer yok." : "Bas kademelerinde yer yok."});
    }
}

// The directions of the pitched records: "/" rising, "-" level, "\" falling;
// records are written as koma position and beam place, 0 a rest.
TEST(SeyirYönüBul, ReadsTheWholeTableLikeALine) {
    struct K {
        int ses;
        Byte gurup = 0;
    };
    const struct { const char* durum; std::vector<K> kayıtlar; std::string yönler; } durumlar[] = {
        {"the first looks ahead, the last back", {{100}, {96}, {96}}, "//-"},
        {"reached from below: rises while the next is not lower", {{100}, {96}, {96}, {90}, {95}}, R"(///-\)"},
        {"reached from above: falls unless the next is higher", {{90}, {96}, {100}, {96}}, R"(\\-/)"},
        {"a rest stops the look ahead and back", {{100}, {96}, {0}, {98}, {90}}, "////"},
        {"beam groups are compared within", {{100, 3}, {90, 1}, {96, 2}, {92, 3}}, R"(-\-/)"},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.durum);
        Notalar n;
        for (const K& k : d.kayıtlar)
            n.ekle({.tür = Byte(k.ses ? 10 : 31),
                    .sesindeks = Byte(k.ses),
                    .gurupYeri = k.gurup,
                    .seyir = {},
                    .çalınanSesler = {}});
        seyirYönüBul(n);
        std::string yönler;
        for (int i = 1; i <= n.sayı(); ++i)
            if (n[i].sesli()) yönler += n[i].seyir == Seyir::çıkış ? '/' : n[i].seyir == Seyir::iniş ? '\\' : '-';
        EXPECT_EQ(yönler, d.yönler);
    }
}

}  // namespace
}  // namespace selvika
