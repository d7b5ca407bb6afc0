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

// Where the notes of a quarter or longer sound in a rendering of the
// passage at metronome 80 in quarters: the frequency the note table gives
// and the first sample past the attack.
struct UzunNota {
    int indeks;
    double hedef;
    std::size_t baş;
};

std::vector<UzunNota> uzunNotalar(const fs::path& pasajlı, const fs::path& günlük) {
    EXPECT_EQ(çalıştır({"notes", pasajlı}, günlük), 0);
    const auto notalar = nlohmann::json::parse(std::ifstream(günlük));
    const Single birim = birimUzunluğu(80, 4);
    const Tempo tempo{birim, birim, 0};
    constexpr std::size_t atak = örneklemeHızı / 10;
    std::vector<UzunNota> uzunlar;
    long u = 0;
    for (const auto& nota : notalar) {
        const int süre = nota["süre"], koma = nota["sesindeks"], kayma = nota["mikroton"];
        if (koma != 0 && süre >= 32)
            uzunlar.push_back({nota["indeks"], hedefFrekans(*göçür(koma, 0), kayma),
                               static_cast<std::size_t>(tempo.başlangıç(u)) + atak});
        u += süre;
    }
    return uzunlar;
}

// How many cents the sound of a long note lies from its frequency.
std::optional<double> sapma(std::span<const short> örnekler, const UzunNota& nota) {
    constexpr std::size_t ölçü = 24000;
    if (nota.baş + ölçü > örnekler.size()) return std::nullopt;
    const auto f = frekansÖlç(örnekler.subspan(nota.baş, ölçü), nota.hedef);
    return f ? std::optional(sentFarkı(*f, nota.hedef)) : std::nullopt;
}

// The first lines of the example score as one passage at metronome 80 in
// quarters, the options adding what sounds.
fs::path pasajlıÖrnek(const test::GeçiciKlasör& klasör, std::vector<std::string> seçenekler) {
    const fs::path pasajlı = klasör / "pasajlı.EVD";
    std::vector<std::string> a = {"passage-add", SELVIKA_EXAMPLE, pasajlı, "--from", "1:1", "--to", "4:18",
                                  "--metronome", "80", "--unit", "4"};
    a.insert(a.end(), seçenekler.begin(), seçenekler.end());
    EXPECT_EQ(çalıştır(a, klasör / "out"), 0);
    return pasajlı;
}

// Every long note of kanun, heard over the kudüm strokes and the ringing of
// the note before, sounds at the pitch the note table gives.
TEST(SeslendirilmişEser, LongNotesOfKanunOverKudumSoundAtTheirPitch) {
    test::GeçiciKlasör klasör;
    const fs::path pasajlı = pasajlıÖrnek(klasör, {"--soloist", "KANUN", "--rhythm", "KUDUM", "--usul", "1"});
    const fs::path wav = klasör / "eser.wav";
    ASSERT_EQ(çalıştır({"render", pasajlı, wav}, klasör / "out"), 0);
    const std::vector<short> örnekler = wavOku(wav);
    const auto uzunlar = uzunNotalar(pasajlı, klasör / "out");
    EXPECT_GE(uzunlar.size(), 4u);
    for (const UzunNota& nota : uzunlar) {
        const auto fark = sapma(örnekler, nota);
        ASSERT_TRUE(fark) << "note " << nota.indeks;
        EXPECT_LT(std::abs(*fark), 3) << "note " << nota.indeks;
    }
}

// The MP3 of a SINUS rendering, decoded by mpg123, lasts as long as the WAV
// and keeps every long note within a cent of its frequency.
TEST(SeslendirilmişEser, Mp3OfSinusKeepsLengthAndPitch) {
    test::GeçiciKlasör klasör;
    const fs::path pasajlı = pasajlıÖrnek(klasör, {"--soloist", "SINUS"});
    const fs::path wav = klasör / "eser.wav", mp3 = klasör / "eser.mp3", geri = klasör / "geri.wav";
    ASSERT_EQ(çalıştır({"render", pasajlı, wav}, klasör / "out"), 0);
    ASSERT_EQ(çalıştır({"mp3", wav, mp3}, klasör / "out"), 0);
    ASSERT_EQ(std::system(("mpg123 -q -w '" + geri.string() + "' '" + mp3.string() + "'").c_str()), 0);
    const std::vector<short> özgün = wavOku(wav), çözülen = wavOku(geri);
    ASSERT_FALSE(özgün.empty());
    EXPECT_NEAR(double(çözülen.size()), double(özgün.size()), 0.05 * örneklemeHızı);
    const auto uzunlar = uzunNotalar(pasajlı, klasör / "out");
    ASSERT_FALSE(uzunlar.empty());
    for (const UzunNota& nota : uzunlar)
        for (const auto* örnekler : {&özgün, &çözülen}) {
            const auto fark = sapma(*örnekler, nota);
            ASSERT_TRUE(fark) << "note " << nota.indeks;
            EXPECT_LT(std::abs(*fark), 1) << "note " << nota.indeks << (örnekler == &özgün ? " in WAV" : " in MP3");
        }
}

}  // namespace
}  // namespace selvika
