#include "audio/voice_rendering.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <optional>

namespace selvika {
namespace {

const Tempo sabitTempo{10, 10, 1};  // every unit 10 samples long

TEST(SazSabitleri, GiveStartOffsetLengthFactorAndTremolo) {
    const struct { std::string_view kod; long başlangıç; int çarpan; bool tremolo; } sazlar[] = {
        {"CELLO", 10000, 1, false}, {"CELPC", 5000, 2, false}, {"KMNCE", 10000, 1, false},
        {"KEMAN", 30000, 1, false}, {"SINUS", 1, 1, false},    {"KLRNT", 1, 1, false},
        {"KANUN", 1, 2, true},      {"UDOOO", 1, 2, true},     {"MTNBR", 1, 2, true},
        {"BAGLM", 1, 2, false},     {"KNTRL", 1, 2, false}};
    for (const auto& d : sazlar) {
        const SazSabitleri s = sazSabitleri(d.kod);
        EXPECT_EQ(std::tuple(s.başlangıç, s.uzunlukÇarpanı, s.tremolo),
                  std::tuple(d.başlangıç, d.çarpan, d.tremolo))
            << d.kod;
    }
}

// A tuned note whose sample n (1-based) is 2n, so a half shows where it was read.
std::vector<Integer> rampa(int uzunluk) {
    std::vector<Integer> nota(uzunluk);
    for (int i = 0; i < uzunluk; ++i) nota[i] = static_cast<Integer>(2 * (i + 1));
    return nota;
}

// Notes of `süre` units at `Sin` samples a unit: the last twentieth fades by 32000.
TEST(SesYazıcı, ReleaseFadesTheLastTwentiethOfTheNote) {
    const struct { float Sin; int süre; long son, salıverme; } durumlar[] = {  // son: the note's last sample
        {100, 1, 100, 5}, {19, 1, 19, 0}, {20, 1, 20, 1}, {10.5f, 8, 84, 4}};
    for (const auto& d : durumlar) {
        SCOPED_TRACE(testing::Message() << d.süre << " × " << d.Sin);
        std::vector<Integer> tampon(d.son + 10, 0);
        SesYazıcı yazıcı(tampon, Tempo{d.Sin, d.Sin, 1}, sazSabitleri("SINUS"));
        yazıcı.nota(std::vector<Integer>(d.son + 10, 20000), d.süre, false);
        const long düz = d.son - d.salıverme;
        EXPECT_EQ(std::count(tampon.begin(), tampon.begin() + düz, 10000), düz);
        const double q = std::pow(32000.0, 1.0 / std::max(d.salıverme, 1L));
        for (long k = 0; k < d.salıverme; ++k) EXPECT_EQ(tampon[düz + k], std::lrint(10000 / std::pow(q, k))) << k;
        EXPECT_EQ(tampon[d.son], 0);
        EXPECT_EQ(yazıcı.birim(), d.süre);
    }
}

TEST(SesYazıcı, ReadingBeginsAtTheInstrumentsStartOffset) {
    std::vector<Integer> tampon(20, 0);
    SesYazıcı yazıcı(tampon, sabitTempo, sazSabitleri("CELPC"));
    yazıcı.nota(rampa(5010), 1, false);
    EXPECT_EQ(std::tuple(tampon[0], tampon[9]), std::tuple(5000, 5009));
}

TEST(SesYazıcı, ANoteOfLengthFactorTwoRingsUnderTheNextAndBothAreHalved) {
    std::vector<Integer> nota(100, 1000);
    for (auto [kod, örtüşme] : {std::pair{"KANUN", 750}, std::pair{"SINUS", 500}}) {
        std::vector<Integer> tampon(130, 0);
        SesYazıcı yazıcı(tampon, sabitTempo, sazSabitleri(kod));
        yazıcı.nota(nota, 4, false);
        yazıcı.sus(2);
        yazıcı.nota(nota, 4, false);
        // The second note starts at sample 61.
        EXPECT_EQ(std::tuple(tampon[0], tampon[60], tampon[76], tampon[100], yazıcı.birim()),
                  std::tuple(500, örtüşme, örtüşme, örtüşme == 750 ? 500 : 0, 10))
            << kod;
    }
}

TEST(SesYazıcı, TremoloStrikesEveryEightUnitsAndKeepsTheNotesLength) {
    std::vector<Integer> tampon(400, 0);
    SesYazıcı yazıcı(tampon, sabitTempo, sazSabitleri("KANUN"));
    yazıcı.nota(rampa(2000), 12, true);
    EXPECT_EQ(yazıcı.birim(), 12);
    // 81 / 2 + 3000 / 2 at 80: the second stroke reads from 1500 on; the
    // first rang 1.3 × 12 units.
    EXPECT_EQ(std::tuple(tampon[0], tampon[80], tampon[155], tampon[156], tampon[236]),
              std::tuple(1, 1540, 156 / 2 + 1575, 1576, 0));
    std::vector<Integer> düz(400, 0);
    SesYazıcı sinüs(düz, sabitTempo, sazSabitleri("SINUS"));
    sinüs.nota(rampa(2000), 12, true);
    EXPECT_EQ(düz[80], 81);
}

TEST(SesYazıcı, WritingStopsAtTheEndOfTheBufferOrTheTunedNote) {
    std::vector<Integer> tampon(30, 0);
    SesYazıcı yazıcı(tampon, sabitTempo, sazSabitleri("SINUS"));
    yazıcı.nota(std::vector<Integer>(5, 100), 1, false);
    yazıcı.nota(std::vector<Integer>(50, 100), 3, false);
    EXPECT_EQ(std::accumulate(tampon.begin(), tampon.end(), 0), 5 * 50 + 20 * 50);
}

struct Kayıt {
    int süre;
    Byte kanal;
    Integer perde;  // the tuned note is this value throughout; 0 a rest, -1 a note that cannot be fetched
    bool tremolo = false;
    bool sesli() const { return perde != 0; }
};

TEST(SesiÇal, PlaysTheRecordsOfTheVoicesChannelUntilANoteCannotBeFetched) {
    std::vector<Kayıt> kayıtlar{{2, 0, 1000}, {2, 2, 3000}, {1, 1, 0}, {2, 1, 2000}, {2, 0, -1}, {2, 0, 4000}};
    std::vector<Integer> tampon(100, 0);
    SesYazıcı yazıcı(tampon, sabitTempo, sazSabitleri("SINUS"));
    auto getir = [](const Kayıt& k) -> std::optional<std::vector<Integer>> {
        if (k.perde < 0) return std::nullopt;
        return std::vector<Integer>(100, k.perde);
    };
    EXPECT_FALSE(sesiÇal(yazıcı, kayıtlar, 1, getir));
    EXPECT_EQ(yazıcı.birim(), 5);
    // Sample 20 lies in the rest of channel 1.
    EXPECT_EQ(std::tuple(tampon[0], tampon[20], tampon[30], tampon[50]), std::tuple(500, 0, 1000, 0));
}

TEST(PasajSesleri, EverySlotWithAnInstrumentPlaysItsChannel) {
    Pasaj p;
    p.solist = Text<5>("SINUS");
    p.eşlikler = {Text<5>("SZYOK"), Text<5>("KLRNT"), Text<5>("SZYOK")};
    p.kanallar = 0b00'10'00'01;  // the soloist hears channel 1, the second accompaniment channel 2
    std::vector<Kayıt> kayıtlar{{2, 1, 1000}, {2, 2, 2000}};
    auto sesler = pasajSesleri(p, kayıtlar, Tempo{10, 10, 4}, [](int ses, const Kayıt& k) {
        return std::optional<std::vector<Integer>>(std::vector<Integer>(40, k.perde * (ses + 1)));
    });
    ASSERT_TRUE(sesler[0] && sesler[2]);
    EXPECT_FALSE(sesler[1] || sesler[3]);
    EXPECT_EQ(std::tuple((*sesler[0])[0], (*sesler[0])[20], (*sesler[2])[0]), std::tuple(500, 0, 3000));
}

}  // namespace
}  // namespace selvika
