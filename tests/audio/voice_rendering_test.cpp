#include "audio/voice_rendering.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <optional>

namespace selvika {
namespace {

const Tempo sabitTempo{10, 10, 1};  // every unit 10 samples long

struct SazDurumu {
    std::string_view kod;
    long başlangıç;
    int çarpan;
    bool tremolo;
};
void PrintTo(const SazDurumu& d, std::ostream* o) { *o << d.kod; }

class SazSabitleriTablosu : public testing::TestWithParam<SazDurumu> {};

TEST_P(SazSabitleriTablosu, GivesStartOffsetLengthFactorAndTremolo) {
    SazSabitleri s = sazSabitleri(GetParam().kod);
    EXPECT_EQ(s.başlangıç, GetParam().başlangıç);
    EXPECT_EQ(s.uzunlukÇarpanı, GetParam().çarpan);
    EXPECT_EQ(s.tremolo, GetParam().tremolo);
}

INSTANTIATE_TEST_SUITE_P(
    Sazlar, SazSabitleriTablosu,
    testing::Values(SazDurumu{"CELLO", 10000, 1, false}, SazDurumu{"CELPC", 5000, 2, false},
                    SazDurumu{"KMNCE", 10000, 1, false}, SazDurumu{"KEMAN", 30000, 1, false},
                    SazDurumu{"SINUS", 1, 1, false}, SazDurumu{"KLRNT", 1, 1, false},
                    SazDurumu{"KANUN", 1, 2, true}, SazDurumu{"UDOOO", 1, 2, true}, SazDurumu{"MTNBR", 1, 2, true},
                    SazDurumu{"BAGLM", 1, 2, false}, SazDurumu{"KNTRL", 1, 2, false}));

// A tuned note whose sample n (1-based) is 2n, so a half shows where it was read.
std::vector<Integer> rampa(int uzunluk) {
    std::vector<Integer> nota(uzunluk);
    for (int i = 0; i < uzunluk; ++i) nota[i] = static_cast<Integer>(2 * (i + 1));
    return nota;
}

struct SalıvermeDurumu {
    float Sin;
    int süre;
    long son;        // the note's last sample
    long salıverme;  // its fading samples
};
void PrintTo(const SalıvermeDurumu& d, std::ostream* o) { *o << d.süre << " × " << d.Sin; }

class Salıverme : public testing::TestWithParam<SalıvermeDurumu> {};

TEST_P(Salıverme, FadesTheLastTwentiethOfTheNoteBy32000) {
    const SalıvermeDurumu& d = GetParam();
    std::vector<Integer> tampon(d.son + 10, 0);
    std::vector<Integer> nota(d.son + 10, 20000);
    SesYazıcı yazıcı(tampon, Tempo{d.Sin, d.Sin, 1}, sazSabitleri("SINUS"));
    yazıcı.nota(nota, d.süre, false);
    long düz = d.son - d.salıverme;
    EXPECT_EQ(std::count(tampon.begin(), tampon.begin() + düz, 10000), düz);
    double q = std::pow(32000.0, 1.0 / std::max(d.salıverme, 1L));
    for (long k = 0; k < d.salıverme; ++k) EXPECT_EQ(tampon[düz + k], std::lrint(10000 / std::pow(q, k))) << k;
    EXPECT_EQ(tampon[d.son], 0);
    EXPECT_EQ(yazıcı.birim(), d.süre);
}

INSTANTIATE_TEST_SUITE_P(Notalar, Salıverme,
                         testing::Values(SalıvermeDurumu{100, 1, 100, 5}, SalıvermeDurumu{19, 1, 19, 0},
                                         SalıvermeDurumu{20, 1, 20, 1}, SalıvermeDurumu{10.5f, 8, 84, 4}));

TEST(SesYazıcı, ReadingBeginsAtTheInstrumentsStartOffset) {
    std::vector<Integer> tampon(20, 0);
    SesYazıcı yazıcı(tampon, sabitTempo, sazSabitleri("CELPC"));
    yazıcı.nota(rampa(5010), 1, false);
    EXPECT_EQ(tampon[0], 5000);
    EXPECT_EQ(tampon[9], 5009);
}

TEST(SesYazıcı, ANoteOfLengthFactorTwoRingsUnderTheNextAndBothAreHalved) {
    std::vector<Integer> nota(100, 1000);
    for (auto [kod, örtüşme] : {std::pair{"KANUN", 750}, std::pair{"SINUS", 500}}) {
        std::vector<Integer> tampon(130, 0);
        SesYazıcı yazıcı(tampon, sabitTempo, sazSabitleri(kod));
        yazıcı.nota(nota, 4, false);
        yazıcı.sus(2);
        yazıcı.nota(nota, 4, false);
        EXPECT_EQ(tampon[0], 500) << kod;
        EXPECT_EQ(tampon[60], örtüşme) << kod;   // the second note starts at sample 61
        EXPECT_EQ(tampon[76], örtüşme) << kod;
        EXPECT_EQ(tampon[100], örtüşme == 750 ? 500 : 0) << kod;
        EXPECT_EQ(yazıcı.birim(), 10);
    }
}

TEST(SesYazıcı, TremoloStrikesEveryEightUnitsAndKeepsTheNotesLength) {
    std::vector<Integer> tampon(400, 0);
    SesYazıcı yazıcı(tampon, sabitTempo, sazSabitleri("KANUN"));
    yazıcı.nota(rampa(2000), 12, true);
    EXPECT_EQ(yazıcı.birim(), 12);
    EXPECT_EQ(tampon[0], 1);
    EXPECT_EQ(tampon[80], 1540);  // 81 / 2 + 3000 / 2: the second stroke reads from 1500 on
    EXPECT_EQ(tampon[155], 156 / 2 + 1575);
    EXPECT_EQ(tampon[156], 1576);  // the first stroke rang 1.3 × 12 units
    EXPECT_EQ(tampon[236], 0);
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
    EXPECT_EQ(tampon[0], 500);
    EXPECT_EQ(tampon[20], 0);   // the rest of channel 1
    EXPECT_EQ(tampon[30], 1000);
    EXPECT_EQ(tampon[50], 0);
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
    EXPECT_EQ((*sesler[0])[0], 500);
    EXPECT_EQ((*sesler[0])[20], 0);
    EXPECT_EQ((*sesler[2])[0], 3000);
}

}  // namespace
}  // namespace selvika
