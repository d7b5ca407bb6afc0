#include <gtest/gtest.h>

#include <smf.h>

#include "audio/midi_file.h"
#include "audio/midi_playing.h"
#include "audio/tempo.h"
#include "core/packing.h"
#include "rhythm/usul_library.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

namespace fs = std::filesystem;

// A plan of two notes, kanun and sine, with kudüm strokes, written and read
// back event by event.
class MidiDosyası : public testing::Test {
protected:
    void SetUp() override {
        for (const char* tablo : {"gm_instruments.tsv", "gm_drums.tsv"})
            fs::copy_file(fs::path(SELVIKA_PROGRAM_DIR) / tablo, klasör / tablo);
        UsulKaydı usul;
        usul.adımlar[1].birinciUzunluk = 8;  // a düm of an eighth
        usul.adımlar[2].ikinciUzunluk = 8;   // a tek of an eighth
        test::dosyaYaz(klasör / "usuller.usl", pack(usul));
        for (Byte k : {93, 94}) notalar.ekle({.tür = 10, .sesindeks = k, .süre = 32, .seyir = {}, .çalınanSesler = {}});
        Pasaj& p = başlık.pasajlar[1];
        p.başlangıçİndeksi = 1;
        p.bitişİndeksi = 2;
        p.birimNota = 4;
        p.girişMetronomu = p.çıkışMetronomu = 60;
        p.solist = Text<5>("KANUN");
        p.eşlikler = {Text<5>("SINUS"), Text<5>("SZYOK"), Text<5>("SZYOK")};
        p.ritim = Text<5>("KUDUM");
        p.usulNumarası = 1;
    }

    // Every event of the file as (track, tick, bytes).
    std::vector<std::tuple<int, int, std::vector<int>>> olaylar() {
        const int seçili[] = {1};
        EXPECT_TRUE(midiDosyasıYaz(başlık, notalar, seçili, klasör.yol(), klasör / "eser.mid", kullanıcı));
        smf_t* smf = smf_load((klasör / "eser.mid").c_str());
        EXPECT_EQ(smf->ppqn, 96);
        std::vector<std::tuple<int, int, std::vector<int>>> hepsi;
        while (smf_event_t* o = smf_get_next_event(smf))
            if (!smf_event_is_eot(o))
                hepsi.emplace_back(o->track->track_number, o->time_pulses,
                                   std::vector<int>(o->midi_buffer, o->midi_buffer + o->midi_buffer_length));
        saniyeler.clear();
        smf_rewind(smf);
        while (smf_event_t* o = smf_get_next_event(smf))
            if (o->track->track_number == 2 && o->midi_buffer[0] == 0x90 && o->midi_buffer[2] > 0)
                saniyeler.push_back(o->time_seconds);
        smf_delete(smf);
        return hepsi;
    }
    static std::vector<int> bayt(Long m, bool ikiVeri = true) {
        std::vector<int> b = {m & 0xFF, (m >> 8) & 0xFF};
        if (ikiVeri) b.push_back((m >> 16) & 0xFF);
        return b;
    }

    test::GeçiciKlasör klasör;
    test::SenaryoluEtkileşim kullanıcı;
    EserBaşlık başlık;
    Notalar notalar;
    std::vector<double> saniyeler;
};

TEST_F(MidiDosyası, SeslerKendiİzindeProgramıVeBükmeAralığıylaÇalar) {
    const auto hepsi = olaylar();
    EXPECT_EQ(std::get<0>(*std::max_element(hepsi.begin(), hepsi.end())), 4);  // tempo, kanun, sine, strokes
    for (const auto& beklenen : std::vector<std::tuple<int, int, std::vector<int>>>{
             {1, 0, {0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40}},  // a quarter a second
             {2, 0, {0xB0, 6, 2}},                           // ±2 semitones
             {2, 0, bayt(programDeğiştir(0, 107), false)},   // the koto plays the kanun
             {2, 0, bayt(notaAç(0, 69))},
             {2, 96, bayt(perdeBük(0, 7265))},  // a koma, 22.6 cents, below the tempered A
             {2, 96, bayt(notaAç(0, 69))},
             {2, 192, bayt(perdeBük(0, 8192))},
             {3, 0, bayt(programDeğiştir(1, 75), false)},
             {3, 0, bayt(notaAç(1, 69))},
             {4, 0, {0x99, 66, 110}},  // the düm on the low timbale, half its step
             {4, 24, {0x99, 66, 0}},
             {4, 48, {0x99, 65, 110}}})
        EXPECT_NE(std::find(hepsi.begin(), hepsi.end(), beklenen), hepsi.end())
            << std::get<0>(beklenen) << " @" << std::get<1>(beklenen);
}

TEST_F(MidiDosyası, DeğişenTempoNotalarıSeslendirmeninZamanlarındaBaşlatır) {
    başlık.pasajlar[1].çıkışMetronomu = 120;
    olaylar();
    const Tempo tempo = pasajTemposu(başlık.pasajlar[1], notalar);
    ASSERT_EQ(saniyeler.size(), 2u);
    EXPECT_NEAR(saniyeler[1], tempo.başlangıç(32) / 44100.0, 0.001);
}

TEST_F(MidiDosyası, TablolarYoksaSöylenir) {
    fs::remove(klasör / "gm_drums.tsv");
    const int seçili[] = {1};
    EXPECT_FALSE(midiDosyasıYaz(başlık, notalar, seçili, klasör.yol(), klasör / "eser.mid", kullanıcı));
    ASSERT_EQ(kullanıcı.metinler().size(), 1u);
    EXPECT_TRUE(kullanıcı.metinler()[0].starts_with(genelMidiTablolarıOkunamadı));
    EXPECT_FALSE(fs::exists(klasör / "eser.mid"));
}

}  // namespace
}  // namespace selvika
