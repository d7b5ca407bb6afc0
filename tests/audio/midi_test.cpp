#include <gtest/gtest.h>

#include "audio/midi_output.h"
#include "audio/midi_playing.h"
#include "audio/midi_tables.h"

namespace selvika {
namespace {

TEST(MidiSesi, KomaKonumununNotasıVeBükmesi) {
    const struct { int konum, mikroton, nota, bükme; } durumlar[] = {
        {93, 0, 69, 8192},    // Neva: the tempered A, unbent
        {94, 0, 69, 7282},    // a koma below bends down
        {83, 0, 71, 9102},    // in the 4-koma gap under Acem, Hüseyni's note
        {96, 0, 68, 9557},    // the tempered note between, bent up 1.5 komas
        {100, 0, 67, 10012},  // two komas above Çargah's note
        {93, 1, 69, 8495},    // a shift up is a third of a koma
        {93, -1, 69, 7889},
        {115, 0, 64, 8192},   // Dügah
        {124, 0, 62, 8192},   // Rast
        {53, 0, 78, 8192},    {1, 0, 90, 7282}, {281, 0, 26, 10012}};
    for (const auto& d : durumlar) {
        const auto ses = midiSesi(d.konum, d.mikroton);
        ASSERT_TRUE(ses) << d.konum;
        EXPECT_EQ(std::tuple(ses->nota, ses->bükme), std::tuple(d.nota, d.bükme)) << d.konum << "/" << d.mikroton;
    }
}

TEST(MidiSesi, KesinBükmeKomanınFrekansınaGider) {
    EXPECT_EQ(kesinMidiSesi(93, 0)->bükme, 8192);
    // Acem on the tempered C, 5.7 cents below it.
    EXPECT_EQ(std::tuple(kesinMidiSesi(80, 0)->nota, kesinMidiSesi(80, 0)->bükme), std::tuple(72, 7960));
    EXPECT_FALSE(kesinMidiSesi(230, 0));
}

TEST(MidiSesi, TablolarınDışıReddedilir) {
    for (auto [konum, mikroton] : {std::pair{0, 0}, {282, 0}, {93, 2}}) EXPECT_FALSE(midiSesi(konum, mikroton)) << konum;
}

struct MidiÇalma : ::testing::Test {
    EserBaşlık başlık;
    Notalar notalar;

    void kayıt(Byte sesindeks, Byte süre) {
        notalar.ekle({.tür = 10, .sesindeks = sesindeks, .süre = süre, .seyir = {}, .çalınanSesler = {}});
    }
    Pasaj& pasaj(int n, int metronom, int birim = 4) {
        Pasaj& p = başlık.pasajlar[n];
        p.girişMetronomu = p.çıkışMetronomu = static_cast<Byte>(metronom);
        p.birimNota = static_cast<Byte>(birim);
        p.başlangıçİndeksi = 1;
        p.bitişİndeksi = static_cast<Integer>(notalar.sayı());
        return p;
    }
};

TEST_F(MidiÇalma, NotaSusVeBükmeZamanlarıylaGider) {
    kayıt(93, 32);  // Neva, a quarter: no bend
    kayıt(0, 16);   // an eighth's rest
    kayıt(0, 0);    // a bar line is passed over
    kayıt(94, 32);  // bent, and the bend is centred again after it
    kayıt(240, 32); // past the score's pitches: neither played nor waited for
    kayıt(100, 16);
    pasaj(1, 60);
    const int seçili[] = {1};
    EXPECT_EQ(midiOlayları(başlık, notalar, seçili),
              (std::vector<MidiOlayı>{{0, notaAç(0, 69)},
                                      {992, notaKapat(0, 69)},
                                      {1488, perdeBük(0, 7282)},
                                      {1488, notaAç(0, 69)},
                                      {2480, notaKapat(0, 69)},
                                      {2480, perdeBük(0, 8192)},
                                      {2480, perdeBük(0, 10012)},
                                      {2480, notaAç(0, 67)},
                                      {2976, notaKapat(0, 67)},
                                      {2976, perdeBük(0, 8192)}}));
}

TEST_F(MidiÇalma, GöçürümEklenirDeğişenTempoÖncekiniKorur) {
    kayıt(84, 16);
    pasaj(1, 120).göçürümler[0] = 9;  // Hüseyni down a whole tone: Neva
    Pasaj& ikinci = pasaj(2, 60);
    ikinci.çıkışMetronomu = 90;
    const int seçili[] = {2, 1};
    auto olaylar = midiOlayları(başlık, notalar, seçili);
    ASSERT_EQ(olaylar.size(), 4u);
    // The first passage's tempo is 20 ms a unit.
    EXPECT_EQ(std::vector(olaylar.begin() + 1, olaylar.end()),
              (std::vector<MidiOlayı>{{320, notaKapat(0, 71)}, {320, notaAç(0, 69)}, {320 + 16 * 16, notaKapat(0, 69)}}));
}

TEST(MidiMesajı, DurumVeVerilerTekSayıdaPaketlenir) {
    EXPECT_EQ(std::tuple(notaAç(0, 69), perdeBük(0, 8192), programDeğiştir(0, 73)),
              std::tuple(0x90 + 69 * 256 + 127 * 65536, 0xE0 + 0 * 256 + 64 * 65536, 0xC0 + 73 * 256));
}

struct KayıtlıPort : MidiPortu {
    std::vector<Long> giden;
    void gönder(Long m) override { giden.push_back(m); }
};

TEST(MidiYürütücü, MesajlarZamanıGelinceGiderBeklemeSöylenir) {
    KayıtlıPort port;
    MidiYürütücü y(port, {{0, notaAç(0, 69)}, {992, notaKapat(0, 69)}, {992, notaAç(0, 71)}, {1984, notaKapat(0, 71)}});
    EXPECT_EQ(y.ilerle(0), 992);
    EXPECT_EQ(y.ilerle(500), 492);
    EXPECT_EQ(port.giden.size(), 1u);
    EXPECT_EQ(y.ilerle(1000), 984);  // a late tick sends all that is due
    EXPECT_EQ(port.giden, (std::vector<Long>{notaAç(0, 69), notaKapat(0, 69), notaAç(0, 71)}));
    EXPECT_EQ(y.ilerle(2000), std::nullopt);
    EXPECT_TRUE(y.bitti());
}

TEST(MidiYürütücü, DurdurmakÇalanNotayıSusturupBükmeyiOrtalar) {
    KayıtlıPort port;
    MidiYürütücü y(port, {{0, perdeBük(0, 7282)}, {0, notaAç(0, 69)}, {992, notaKapat(0, 69)}});
    y.ilerle(10);
    y.durdur();
    EXPECT_EQ(port.giden, (std::vector<Long>{perdeBük(0, 7282), notaAç(0, 69), notaKapat(0, 69), perdeBük(0, 8192)}));
    EXPECT_TRUE(y.bitti());
    EXPECT_EQ(y.ilerle(2000), std::nullopt);
    EXPECT_EQ(port.giden.size(), 4u);
}

}  // namespace
}  // namespace selvika
