#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "audio/frequencies.h"
#include "audio/pitch_estimate.h"
#include "audio/sample_rate.h"
#include "audio/tempo.h"
#include "tests/support/score_fixtures.h"

namespace selvika {
namespace {

namespace fs = std::filesystem;

// selvika-cli run with the arguments, its standard output into `çıktı`.
int çalıştır(const std::vector<std::string>& argümanlar, const fs::path& çıktı) {
    std::string komut = "'" SELVIKA_CLI "'";
    for (const auto& a : argümanlar) komut += " \"" + a + "\"";
    return std::system((komut + " >'" + çıktı.string() + "'").c_str());
}

std::vector<short> wavOku(const fs::path& yol) {
    SF_INFO bilgi{};
    SNDFILE* dosya = sf_open(yol.c_str(), SFM_READ, &bilgi);
    if (dosya == nullptr) return {};
    EXPECT_EQ(bilgi.samplerate, 44100);
    EXPECT_EQ(bilgi.channels, 1);
    EXPECT_EQ(bilgi.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    std::vector<short> örnekler(static_cast<std::size_t>(bilgi.frames));
    örnekler.resize(static_cast<std::size_t>(sf_read_short(dosya, örnekler.data(), bilgi.frames)));
    sf_close(dosya);
    return örnekler;
}

// The example score as a passage for kanun and kudüm at metronome 80 in
// quarters: every note of a quarter or longer, heard over the strokes and
// the ringing of the note before, sounds at the pitch the note table gives.
TEST(SeslendirilmişEser, LongNotesOfKanunOverKudumSoundAtTheirPitch) {
    test::GeçiciKlasör klasör;
    const fs::path pasajlı = klasör / "pasajlı.EVD", wav = klasör / "eser.wav", günlük = klasör / "out";
    ASSERT_EQ(çalıştır({"passage-add", SELVIKA_EXAMPLE, pasajlı, "--from", "1:1", "--to", "4:18", "--soloist",
                        "KANUN", "--rhythm", "KUDUM", "--usul", "1", "--metronome", "80", "--unit", "4"},
                       günlük),
              0);
    ASSERT_EQ(çalıştır({"render", pasajlı, wav}, günlük), 0);
    const std::vector<short> örnekler = wavOku(wav);
    ASSERT_FALSE(örnekler.empty());
    ASSERT_EQ(çalıştır({"notes", pasajlı}, günlük), 0);
    const auto notalar = nlohmann::json::parse(std::ifstream(günlük));

    const Single birim = birimUzunluğu(80, 4);
    const Tempo tempo{birim, birim, 0};
    constexpr std::size_t atak = örneklemeHızı / 10, ölçü = 24000;
    long u = 0;
    int ölçülen = 0;
    for (const auto& nota : notalar) {
        const int süre = nota["süre"], koma = nota["sesindeks"], kayma = nota["mikroton"];
        if (koma != 0 && süre >= 32) {
            const double hedef = hedefFrekans(*göçür(koma, 0), kayma);
            const auto baş = static_cast<std::size_t>(tempo.başlangıç(u)) + atak;
            ASSERT_LE(baş + ölçü, örnekler.size());
            const auto f = frekansÖlç(std::span<const short>(örnekler).subspan(baş, ölçü), hedef);
            ASSERT_TRUE(f) << "note " << nota["indeks"];
            EXPECT_LT(std::abs(sentFarkı(*f, hedef)), 3) << "note " << nota["indeks"] << ": " << *f << " Hz";
            ++ölçülen;
        }
        u += süre;
    }
    EXPECT_GE(ölçülen, 4);
}

}  // namespace
}  // namespace selvika
