#include <gtest/gtest.h>

#include <cstdlib>
#include <sndfile.h>

#include "audio/frequencies.h"
#include "audio/midi_file.h"
#include "audio/pitch_estimate.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

// A MIDI file of half notes played by the fluidsynth command with the pan
// flute the SINUS voice takes: every koma position sounds at F[k].
TEST(MidiDosyasıSesi, FluidsynthHerKomayıFrekansındaÇalar) {
    const struct {
        Byte koma;
        Integer kayma;
    } notalar[] = {{93, 0}, {94, 0}, {96, 0}, {83, 0}, {80, 0}, {100, 0}, {124, 0}, {62, 0}, {93, 1}, {115, -1}};
    Notalar tablo;
    for (auto [koma, kayma] : notalar)
        tablo.ekle({.tür = 10, .sesindeks = koma, .süre = 64, .mikroton = kayma, .seyir = {}, .çalınanSesler = {}});
    EserBaşlık başlık;
    Pasaj& p = başlık.pasajlar[1];
    p = Pasaj{.başlangıçİndeksi = 1, .bitişİndeksi = static_cast<Integer>(tablo.sayı()), .birimNota = 4,
              .girişMetronomu = 60, .çıkışMetronomu = 60, .solist = Text<5>("SINUS")};
    test::GeçiciKlasör klasör;
    test::SenaryoluEtkileşim kullanıcı;
    const int seçili[] = {1};
    ASSERT_TRUE(midiDosyasıYaz(başlık, tablo, seçili, SELVIKA_PROGRAM_DIR, klasör / "eser.mid", kullanıcı));
    const auto wav = klasör / "eser.wav";
    const std::string komut = "fluidsynth -ni -q -g 1 -r 44100 -F '" + wav.string() + "' " SELVIKA_SOUNDFONT " '" +
                              (klasör / "eser.mid").string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(komut.c_str()), 0);

    SF_INFO bilgi{};
    SNDFILE* f = sf_open(wav.c_str(), SFM_READ, &bilgi);
    ASSERT_TRUE(f);
    std::vector<short> karışık(static_cast<std::size_t>(bilgi.frames * bilgi.channels));
    sf_readf_short(f, karışık.data(), bilgi.frames);
    sf_close(f);
    std::vector<Integer> sol;
    for (std::size_t i = 0; i < karışık.size(); i += static_cast<std::size_t>(bilgi.channels)) sol.push_back(karışık[i]);

    for (std::size_t i = 0; i < std::size(notalar); ++i) {
        // Two seconds a half note; measured past its attack.
        const auto baş = static_cast<std::size_t>((2 * i + 0.5) * 44100);
        ASSERT_GT(sol.size(), baş + 32768);
        const double hedef = double{frekanslar()[notalar[i].koma]} * mikrotonÇarpanı(notalar[i].kayma);
        const auto ölçülen = frekansÖlç(std::span<const Integer>(sol).subspan(baş, 32768), hedef);
        ASSERT_TRUE(ölçülen) << int{notalar[i].koma};
        EXPECT_LT(std::abs(sentFarkı(*ölçülen, hedef)), 3) << int{notalar[i].koma} << "/" << notalar[i].kayma;
    }
}

}  // namespace
}  // namespace selvika
