#include <gtest/gtest.h>

#include <cmath>

#include "audio/pitch_estimate.h"
#include "audio/sample_rate.h"
#include "audio/tuning_line_notes.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

// A note played through the tuned-note cache from the sample files the
// build made, with their measured presets: how far it may sound from its
// koma frequency.
struct ÇalınanSes {
    const char* kod;
    int koma;
    int kayma;
    int göçürüm;
    int kÜssü;  // where the göçürüm puts it
    double sent;
};

std::ostream& operator<<(std::ostream& o, const ÇalınanSes& s) {
    return o << s.kod << " " << s.koma << "/" << s.kayma << " göçürüm " << s.göçürüm;
}

class ÖrnekSesi : public testing::TestWithParam<ÇalınanSes> {};

TEST_P(ÖrnekSesi, SoundsAtItsKomaFrequency) {
    const ÇalınanSes s = GetParam();
    const std::filesystem::path program = SELVIKA_PROGRAM_DIR;
    test::GeçiciKlasör klasör;
    AkortluNotaDeposu depo(klasör / "AkortluData.dat");
    const AkortÇarpanları çarpanlar(program);
    test::SenaryoluEtkileşim etkileşim;
    AkortluNotaYapıcı yapıcı(depo, çarpanlar, program, etkileşim);
    Satır satır;
    satır.elemanSayısı = 1;
    satır.elemanlar[1].tür = 12;
    satır.elemanlar[1].sesindeks = static_cast<Byte>(s.koma);
    satır.elemanlar[1].arıza.mikroton = static_cast<Integer>(s.kayma);

    const auto sesler = satırınAkortluNotalarınıYap(satır, 1, s.kod, s.göçürüm, yapıcı);
    ASSERT_TRUE(sesler);
    EXPECT_TRUE(etkileşim.mesajlar.empty());
    ASSERT_EQ(sesler->sesler[1], s.kÜssü);
    const ÖrnekTamponu nota = depo.oku(s.kÜssü, s.kayma, sazNumarası(s.kod));
    // Past the attack, from where the renderer starts reading.
    const auto baş = static_cast<std::size_t>(sazSabitleri(s.kod).başlangıç + örneklemeHızı / 10);
    ASSERT_GT(nota.size(), baş + 32768);
    const double hedef = hedefFrekans(s.kÜssü, s.kayma);
    const std::optional<double> f = frekansÖlç(std::span(nota).subspan(baş, 32768), hedef);
    ASSERT_TRUE(f);
    EXPECT_LT(std::abs(sentFarkı(*f, hedef)), s.sent) << *f << " Hz for " << hedef;
}

// On a recorded perde, between perdes (a shift from the block below or
// above), folded by the göçürüm, a microtone off, at both ends of the range.
INSTANTIATE_TEST_SUITE_P(
    SampleFiles, ÖrnekSesi,
    testing::Values(ÇalınanSes{"KANUN", 93, 0, 0, 93, 3}, ÇalınanSes{"KANUN", 22, 0, 0, 22, 3},
                    ÇalınanSes{"UDOOO", 170, 0, 22, 139, 3}, ÇalınanSes{"MTNBR", 120, 1, 0, 120, 3},
                    ÇalınanSes{"KMNCE", 45, 0, 0, 45, 3}, ÇalınanSes{"KEMAN", 185, 0, 0, 185, 3},
                    ÇalınanSes{"CELLO", 138, -1, 0, 138, 3}, ÇalınanSes{"KLRNT", 106, 0, 0, 106, 3},
                    ÇalınanSes{"CELPC", 160, 0, 0, 160, 3}, ÇalınanSes{"BAGLM", 80, 1, 0, 80, 3},
                    ÇalınanSes{"SINUS", 10, 0, 0, 10, 0.5}, ÇalınanSes{"SINUS", 93, 1, 0, 93, 0.5},
                    ÇalınanSes{"SINUS", 170, -1, 22, 139, 0.5}, ÇalınanSes{"SINUS", 185, 0, 0, 185, 0.5}));

}  // namespace
}  // namespace selvika
