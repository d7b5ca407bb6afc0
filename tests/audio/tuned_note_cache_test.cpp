#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "audio/tuned_note_map.h"
#include "audio/tuning_line_notes.h"
#include "audio/tuning_preview.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

namespace fs = std::filesystem;

// A program folder of this test process with a KANUN sample file whose every sample tells its
// block: perde index × 1000 plus its place in the block modulo 500.
class AkortluNotaTest : public testing::Test {
protected:
    test::GeçiciKlasör klasör;
    AkortÇarpanları çarpanlar;
    test::SenaryoluEtkileşim etkileşim;
    std::optional<AkortluNotaDeposu> depo;
    std::optional<AkortluNotaYapıcı> yapıcı;

    void SetUp() override {
        örnekDosyasıYaz(0);
        depo.emplace(klasör / "AkortluData.dat");
        yapıcı.emplace(*depo, çarpanlar, klasör.yol(), etkileşim);
    }

    void örnekDosyasıYaz(int fark) {
        const long len = blokUzunluğu(saz::kanun);
        ÖrnekTamponu örnekler(static_cast<std::size_t>(len * kayıtlıPerdeSayısı));
        for (std::size_t i = 0; i < örnekler.size(); ++i)
            örnekler[i] = static_cast<Integer>((kayıtlıPerdeSayısı - static_cast<long>(i) / len) * 1000 +
                                               static_cast<long>(i) % len % 500 + fark);
        std::ofstream dosya(klasör / "KANUN.pcm", std::ios::binary);
        örnekYaz(dosya, örnekler);
    }

    // A line of notes at these koma positions and microtone shifts.
    static Satır satır(std::initializer_list<std::pair<int, int>> notalar) {
        Satır s;
        for (auto [k, kayma] : notalar) {
            Eleman& e = s.elemanlar[++s.elemanSayısı];
            e.tür = 12;
            e.sesindeks = static_cast<Byte>(k);
            e.arıza.mikroton = static_cast<Integer>(kayma);
        }
        return s;
    }

    std::optional<AkortluSatır> çal(const Satır& s, std::string_view kod = "KANUN", int göçürüm = 0) {
        return satırınAkortluNotalarınıYap(s, 7, kod, göçürüm, *yapıcı);
    }
    long dosyaBoyu() const { return static_cast<long>(fs::file_size(depo->dosya())); }
};

struct Nota {
    int k, göçürüm, kayma, kÜssü, blok;
};
class NotaYapımıTest : public AkortluNotaTest, public testing::WithParamInterface<Nota> {};

TEST_P(NotaYapımıTest, FromTheNearestBlockRetunedToItsPosition) {
    const auto [k, göçürüm, kayma, kÜssü, blok] = GetParam();
    const auto sesler = çal(satır({{k, kayma}}), "KANUN", göçürüm);
    ASSERT_TRUE(sesler);
    EXPECT_EQ(sesler->sesler[1], kÜssü);
    const NotaYeri yer = depo->yeri(kÜssü, kayma, saz::kanun);
    EXPECT_EQ(yer.konum, 1);
    const long len = blokUzunluğu(saz::kanun);
    const double r = hedefFrekans(kÜssü, kayma) / static_cast<double>(frekanslar()[blokSeç(kÜssü).perdeKonumu]);
    const long kaydırılmış = (std::lrint(len * r) - 1) * 2;
    if (r == 1) EXPECT_EQ(yer.uzunluk, len * 2);
    else if (r < 1) EXPECT_EQ(yer.uzunluk, kaydırılmış);
    else EXPECT_LT(yer.uzunluk, kaydırılmış - 1000);
    EXPECT_EQ(depo->oku(kÜssü, kayma, saz::kanun).front(), blok * 1000);
    EXPECT_TRUE(etkileşim.mesajlar.empty());
}
INSTANTIATE_TEST_SUITE_P(Konumlar, NotaYapımıTest,
                         testing::Values(Nota{22, 0, 0, 22, 2}, Nota{23, 0, 0, 23, 3}, Nota{18, 0, 0, 18, 2},
                                         Nota{170, 22, 0, 139, 18}, Nota{180, 0, 0, 180, 23},
                                         Nota{93, 0, 1, 93, 12}, Nota{84, 9, -1, 93, 12}));

TEST_F(AkortluNotaTest, NotesFollowOneAnotherFromOffsetOneInAFileThatGoesWithItsOwner) {
    ASSERT_TRUE(çal(satır({{22, 0}, {93, 0}})));
    const NotaYeri ilk = depo->yeri(22, 0, saz::kanun), ikinci = depo->yeri(93, 0, saz::kanun);
    EXPECT_EQ(std::tuple(ilk.konum, ikinci.konum, dosyaBoyu()), std::tuple(1, 1 + ilk.uzunluk, ilk.uzunluk + ikinci.uzunluk + 2));
    // Reopened, the cache goes on after the whole file.
    ASSERT_TRUE(çal(satır({{124, 0}})));
    EXPECT_EQ(depo->yeri(124, 0, saz::kanun).konum, ilk.uzunluk + ikinci.uzunluk + 3);
    EXPECT_EQ(depo->oku(93, 0, saz::kanun).size(), static_cast<std::size_t>(ikinci.uzunluk / 2));
    // The cache file goes with its owner.
    yapıcı.reset();
    depo.reset();
    EXPECT_FALSE(fs::exists(klasör / "AkortluData.dat"));
}

TEST_F(AkortluNotaTest, TheMapShowsTheNotesMadeBeforeItAsTheyAreRead) {
    ASSERT_TRUE(çal(satır({{22, 0}, {93, 0}})));
    const AkortluNotaHaritası harita(*depo);
    for (int k : {22, 93}) {
        const ÖrnekTamponu okunan = depo->oku(k, 0, saz::kanun);
        const auto görünen = harita.nota(k, 0, saz::kanun);
        EXPECT_TRUE(std::equal(görünen.begin(), görünen.end(), okunan.begin(), okunan.end())) << k;
    }
    ASSERT_TRUE(çal(satır({{124, 0}})));
    EXPECT_TRUE(harita.nota(124, 0, saz::kanun).empty());
    EXPECT_TRUE(harita.nota(93, 1, saz::kanun).empty());
}

TEST_F(AkortluNotaTest, AMadeNoteIsReusedAsItWas) {
    ASSERT_TRUE(çal(satır({{93, 1}, {93, 1}})));
    const NotaYeri yer = depo->yeri(93, 1, saz::kanun);
    EXPECT_EQ(dosyaBoyu(), yer.uzunluk + 2);
    örnekDosyasıYaz(7);
    çarpanlar.ayarla(saz::kanun, 12, 5);
    ASSERT_TRUE(çal(satır({{93, 1}})));
    EXPECT_EQ(std::tuple(dosyaBoyu(), depo->yeri(93, 1, saz::kanun), depo->oku(93, 1, saz::kanun).front()),
              std::tuple(yer.uzunluk + 2, yer, 12000));
}

TEST_F(AkortluNotaTest, MissingSampleFileFallsBackToSinus) {
    const auto akort = çal(satır({{93, 0}, {0, 0}, {62, -1}}), "KEMAN");
    ASSERT_TRUE(akort);
    EXPECT_EQ(akort->saz, saz::sinüs);
    EXPECT_EQ(etkileşim.metinler(),
              std::vector<std::string>{"KEMAN   dosyası bulunamadı. Yerine SINUS kullanılacak."});
    EXPECT_EQ(std::tuple(depo->yeri(93, 0, saz::sinüs), depo->yeri(62, -1, saz::sinüs).uzunluk, depo->var(93, 0, saz::keman)),
              std::tuple(NotaYeri{1, 199998}, 199998, false));
}

TEST_F(AkortluNotaTest, ABlockThatCannotBeReadStopsThePlaying) {
    fs::remove(klasör / "KANUN.pcm");
    fs::create_directory(klasör / "KANUN.pcm");
    EXPECT_FALSE(çal(satır({{93, 0}, {62, 0}})));
    EXPECT_EQ(etkileşim.metinler(), std::vector<std::string>{"1 Bir hata oluştu, yürütme kesilecek."});
    EXPECT_FALSE(depo->var(93, 0, saz::kanun));
}

TEST_F(AkortluNotaTest, APositionOutsideTheTablesIsRefusedBeforeAnythingIsMade) {
    for (auto [k, göçürüm, kayma] : {std::tuple{229, 22, 0}, std::tuple{93, 0, 2}, std::tuple{240, 0, 0}}) {
        etkileşim.mesajlar.clear();
        EXPECT_FALSE(çal(satır({{93, 0}, {k, kayma}}), "KANUN", göçürüm));
        EXPECT_EQ(etkileşim.metinler(),
                  std::vector<std::string>{"Satır 7, eleman 2: bu ses akort tablolarının dışında kalıyor, çalınamaz."});
    }
    EXPECT_FALSE(fs::exists(depo->dosya()));
}

TEST_F(AkortluNotaTest, PassageNotesTakeTheÇeşniThenTheGöçürüm) {
    ASSERT_TRUE(depo->aç());
    const CinsKütüphanesi cinsler = varsayılanCinsler();
    const SesliNota nota{{102, 0}, 13, Seyir::iniş, 3, 4};
    const auto çalınan = yapıcı->sesliNotaYap(nota, {15, 1}, cinsler, 22, saz::sinüs);
    ASSERT_TRUE(çalınan);
    EXPECT_EQ(std::tuple(çalınan->ses, çalınan->kÜssü, depo->var(120, 1, saz::sinüs)), std::tuple(Ses{98, 1}, 120, true));
    EXPECT_FALSE(yapıcı->sesliNotaYap(nota, {15, 1}, cinsler, 200, saz::sinüs));
    EXPECT_FALSE(yapıcı->sesliNotaYap(nota, {15, 60}, cinsler, 0, saz::sinüs));
    EXPECT_EQ(etkileşim.metinler(),
              std::vector<std::string>(2, "Satır 3, eleman 4: bu ses akort tablolarının dışında kalıyor, çalınamaz."));
}

TEST_F(AkortluNotaTest, TuningPreviewPlaysTheBlockAtItsFactor) {
    const long len = blokUzunluğu(saz::kanun);
    auto önizleme = akortÖnizlemesi(klasör.yol(), saz::kanun, 1, çarpanlar, etkileşim);
    ASSERT_TRUE(önizleme);
    EXPECT_EQ(std::tuple(önizleme->size(), önizleme->front()), std::tuple(static_cast<std::size_t>(len), 1000));
    çarpanlar.ayarla(saz::kanun, 12, ayarAdımı(4));
    önizleme = akortÖnizlemesi(klasör.yol(), saz::kanun, 12, çarpanlar, etkileşim);
    ASSERT_TRUE(önizleme);
    EXPECT_NEAR(static_cast<double>(önizleme->size()), (len + 1) / std::pow(2.0, 1.0 / 53) + 1, 1.0);
    EXPECT_EQ(önizleme->front(), 12000);
    EXPECT_FALSE(akortÖnizlemesi(klasör.yol(), saz::keman, 12, çarpanlar, etkileşim));
    EXPECT_EQ(etkileşim.metinler(), std::vector<std::string>{"KEMAN   dosyası bulunamadı."});
}

TEST(AkortPenceresi, InstrumentAndAdjustButtons) {
    for (auto [düğme, saz] : {std::pair{1, saz::kanun}, {7, saz::klarnet}, {8, saz::kanun}, {10, saz::kanun},
                              {11, saz::çelloPizzicato}, {12, saz::bağlama}, {0, saz::kanun}, {13, saz::kanun}})
        EXPECT_EQ(akortSazı(düğme), saz) << düğme;
    EXPECT_EQ((std::array{ayarAdımı(1), ayarAdımı(2), ayarAdımı(3), ayarAdımı(4)}), (std::array{-5, -1, 1, 5}));
}

}  // namespace
}  // namespace selvika
