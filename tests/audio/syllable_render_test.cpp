#include <gtest/gtest.h>

#include <fstream>
#include <sndfile.h>

#include "audio/syllable_render.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

namespace fs = std::filesystem;

// Syllable files whose every recording is a constant: the value tells which
// recording a sample came from.
struct HeceTesti : ::testing::Test {
    test::GeçiciKlasör klasör;
    fs::path çıktı = klasör / "eser.dat";
    test::SenaryoluEtkileşim kullanıcı;
    EserBaşlık başlık;
    Notalar notalar;

    static void kayıtYaz(const fs::path& dosya, std::initializer_list<std::pair<HeceYeri, short>> heceler) {
        std::vector<short> örnekler;
        for (auto [yer, değer] : heceler) {
            if (örnekler.size() < static_cast<std::size_t>(yer.başlangıç + yer.uzunluk))
                örnekler.resize(static_cast<std::size_t>(yer.başlangıç + yer.uzunluk));
            std::fill_n(örnekler.begin() + yer.başlangıç, yer.uzunluk, değer);
        }
        std::ofstream(dosya, std::ios::binary)
            .write(reinterpret_cast<const char*>(örnekler.data()), static_cast<std::streamsize>(örnekler.size() * 2));
    }
    void nota(Byte konum, Byte süre, Integer arıza = 0) {
        notalar.ekle({.tür = konum, .süre = süre, .arıza = arıza, .seyir = {}, .çalınanSesler = {}});
        başlık.pasajlar[1].başlangıçİndeksi = 1;
        başlık.pasajlar[1].bitişİndeksi = static_cast<Integer>(notalar.sayı());
    }
    std::vector<short> seslendir(HeceKipi kip) {
        const int seçili[] = {1};
        if (!heceleriSeslendir(kip, başlık, notalar, seçili, klasör.yol(), çıktı, kullanıcı)) return {};
        SF_INFO bilgi{};
        SNDFILE* f = sf_open(çıktı.c_str(), SFM_READ, &bilgi);
        std::vector<short> örnekler(static_cast<std::size_t>(bilgi.frames));
        sf_read_short(f, örnekler.data(), bilgi.frames);
        sf_close(f);
        return örnekler;
    }
};

TEST_F(HeceTesti, SolfejHerBirimeYediYüzÖrnekVerirSonHeceSonunaKadarÇalar) {
    kayıtYaz(heceDosyası(klasör.yol(), HeceKipi::solfej), {{solfejHecesi(1), 1}, {solfejHecesi(8), 8}, {solfejHecesi(30), 30}});
    nota(1, 32);
    nota(31, 16);  // a rest only takes its time
    nota(8, 32);
    nota(40, 32);  // not a note: passed over
    nota(30, 32);
    const std::vector<short> ö = seslendir(HeceKipi::solfej);
    ASSERT_EQ(ö.size(), 22400u + 11200 + 22400 + 27002);
    // The first recording is cut where the next note's starts; the rest lets it ring on.
    EXPECT_EQ(std::tuple(ö[22399], ö[22400], ö[33600], ö[56000], ö.back()), std::tuple(1, 1, 8, 30, 30));
}

TEST_F(HeceTesti, BonaAdıArızaSözünüVeKomaSayısınıSöyler) {
    kayıtYaz(heceDosyası(klasör.yol(), HeceKipi::bona), {{notaAdı(1), 1},
                                                    {notaAdı(2), 2},
                                                    {artıArızaSözü(), 100},
                                                    {eksiArızaSözü(), -100},
                                                    {komaSayısıSözü(5), 105}});
    nota(15, 32, -5);  // the same name as position 1
    nota(31, 32);      // rests and position 30 take no time in bona
    nota(2, 32);
    const std::vector<short> ö = seslendir(HeceKipi::bona);
    ASSERT_EQ(ö.size(), 90000u + 20002);
    EXPECT_EQ(std::tuple(ö[0], ö[15000], ö[45000], ö[90000]), std::tuple(1, -100, 105, 2));
}

TEST_F(HeceTesti, EksikDosyaVeSeçimsizlikSöylenir) {
    const int seçili[] = {1};
    EXPECT_FALSE(heceleriSeslendir(HeceKipi::bona, başlık, notalar, seçili, klasör.yol(), çıktı, kullanıcı));
    kayıtYaz(heceDosyası(klasör.yol(), HeceKipi::solfej), {});
    EXPECT_FALSE(heceleriSeslendir(HeceKipi::solfej, başlık, notalar, {}, klasör.yol(), çıktı, kullanıcı));
    EXPECT_EQ(kullanıcı.metinler(), (std::vector<std::string>{std::string(bonaDosyasıYok), "Pasaj kutularından en az birini işaretleyin"}));
}

}  // namespace
}  // namespace selvika
