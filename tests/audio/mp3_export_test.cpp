#include <gtest/gtest.h>

#include <cstdlib>
#include <sndfile.h>

#include "audio/frequencies.h"
#include "audio/mp3_export.h"
#include "audio/tuning_sine_note.h"
#include "audio/wav_file.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

namespace fs = std::filesystem;

struct Mp3Testi : ::testing::Test {
    test::GeçiciKlasör klasör;
    test::SenaryoluEtkileşim kullanıcı;

    fs::path neva() {
        fs::path wav = klasör / "neva.dat";
        WavÇıktısı çıktı(wav);
        çıktı.ekle(sinüsNotası(hedefFrekans(93, 0)));
        çıktı.bitir(kullanıcı);
        return wav;
    }
};

TEST_F(Mp3Testi, BitHızları44BinHerzTekKanalİçinSunulur) {
    const std::vector<int> hızlar = mp3BitHızları();
    EXPECT_EQ(std::tuple(hızlar.front(), hızlar.back()), std::tuple(32, 320));
    EXPECT_NE(std::find(hızlar.begin(), hızlar.end(), 128), hızlar.end());
}

TEST_F(Mp3Testi, PcmOlmayanKaynakKodlayıcıyaSorulmadanReddedilir) {
    const fs::path kayan = klasör / "kayan.wav", mp3 = klasör / "kayan.mp3";
    SF_INFO bilgi{.frames = 0, .samplerate = 44100, .channels = 1, .format = SF_FORMAT_WAV | SF_FORMAT_FLOAT,
                  .sections = 0, .seekable = 0};
    SNDFILE* f = sf_open(kayan.c_str(), SFM_WRITE, &bilgi);
    const float örnek[4] = {0.1f, 0.2f, 0.3f, 0.4f};
    sf_writef_float(f, örnek, 4);
    sf_close(f);
    EXPECT_FALSE(mp3Yaz(kayan, mp3, 128, kullanıcı));
    EXPECT_EQ(kullanıcı.metinler(), (std::vector<std::string>{std::string(pcmDeğil)}));
    EXPECT_FALSE(fs::exists(mp3));
}

TEST_F(Mp3Testi, ÇözülenMp3WavınUzunluğunuTutar) {
    const fs::path mp3 = klasör / "neva.mp3", geri = klasör / "geri.wav";
    int sonYüzde = 0;
    ASSERT_TRUE(mp3Yaz(neva(), mp3, 128, kullanıcı, [&](int y) { sonYüzde = y; }));
    EXPECT_EQ(sonYüzde, 100);
    ASSERT_EQ(std::system(("mpg123 -q -w '" + geri.string() + "' '" + mp3.string() + "'").c_str()), 0);
    SF_INFO bilgi{};
    SNDFILE* f = sf_open(geri.c_str(), SFM_READ, &bilgi);
    ASSERT_TRUE(f);
    sf_close(f);
    EXPECT_NEAR(bilgi.frames / 44.1, sinüsUzunluğu / 44.1, 50);
}

TEST_F(Mp3Testi, DurdurulanDönüştürmeMesajsızBiter) {
    DurdurmaBayrağı bayrak;
    EXPECT_FALSE(mp3Yaz(neva(), klasör / "yarım.mp3", 128, kullanıcı, [&](int) { bayrak.kaldır(); }, bayrak));
    EXPECT_TRUE(kullanıcı.metinler().empty());
}

}  // namespace
}  // namespace selvika
