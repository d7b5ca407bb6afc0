#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>

#include "core/preferences_file.h"
#include "core/score_file.h"
#include "core/score_session.h"
#include "tests/support/fake_fonts.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

using test::SenaryoluEtkileşim;

class ScoreSession : public ::testing::Test {
protected:
    void kaydedilmişÖrnek(const std::string& ad) { eserKaydet(*test::örnekEser(), klasör / ad); }

    test::GeçiciKlasör klasör;
    SenaryoluEtkileşim kullanıcı;
    test::SahteYazıTipleri yazıTipleri{{"MS Sans Serif", "DejaVu Sans"}};
    EserOturumu oturum{klasör.yol(), kullanıcı, yazıTipleri};
};

TEST_F(ScoreSession, OpeningANewNameAsksAndStartsANewScore) {
    kullanıcı.dosyalar.push_back(klasör / "Hicaz Şarkı.EVD");
    kullanıcı.cevaplar.push_back(Cevap::tamam);
    EXPECT_EQ(oturum.aç(), EserOturumu::AçmaSonucu::açıldı);
    ASSERT_EQ(kullanıcı.mesajlar.size(), 1u);
    EXPECT_EQ(std::tuple(kullanıcı.mesajlar[0].metin, kullanıcı.mesajlar[0].başlık),
              std::tuple("Hicaz Şarkı  adıyla  yeni bir dosya açılacaktır.", "yeni eser dosyası açma onayı"));
    const DosyaSeçimi& seçim = kullanıcı.dosyaSeçimleri[0];
    EXPECT_EQ(std::tuple(seçim.süzgeç, seçim.uzantı, seçim.klasör),
              std::tuple("eser data dosyaları|*.EVD||", "EVD", klasör.yol()));
    ASSERT_TRUE(oturum.açık());
    EXPECT_EQ(std::tuple(oturum.eserAdı(), oturum.değişti(), oturum.eser().satırlar[126].ayar2),
              std::tuple("Hicaz Şarkı", false, 800));
}

TEST_F(ScoreSession, CancellingTheNewScoreQuestionChangesNothing) {
    kullanıcı.cevaplar.push_back(Cevap::vazgeç);
    EXPECT_EQ(oturum.aç(klasör / "yok.EVD"), EserOturumu::AçmaSonucu::değişmedi);
    EXPECT_FALSE(oturum.açık());
    kullanıcı.dosyalar.push_back(std::nullopt);
    EXPECT_EQ(oturum.aç(), EserOturumu::AçmaSonucu::değişmedi);
}

TEST_F(ScoreSession, UnsavedChangesAreOfferedForSavingBeforeAnotherScoreOpens) {
    kaydedilmişÖrnek("A.EVD");
    kaydedilmişÖrnek("B.EVD");
    oturum.aç(klasör / "A.EVD");
    oturum.eser().başlık.eserAdı = Text<16>("değişti");
    oturum.değişikliğiBildir();
    kullanıcı.cevaplar.push_back(Cevap::evet);
    EXPECT_EQ(oturum.aç(klasör / "B.EVD"), EserOturumu::AçmaSonucu::açıldı);
    EXPECT_EQ(std::tuple(kullanıcı.mesajlar.back().metin, kullanıcı.mesajlar.back().başlık),
              std::tuple(kayıtSorusu, "değişiklik kaydı onayı"));
    EXPECT_EQ(eserOku(klasör / "A.EVD").eser->başlık.eserAdı.trimmed(), "değişti");
    EXPECT_EQ(oturum.yol(), klasör / "B.EVD");
}

TEST_F(ScoreSession, ANewerFileIsRefusedAndTheProgramMustClose) {
    auto baytlar = eserDosyası(*test::örnekEser());
    baytlar[0] = 0xFC;
    test::dosyaYaz(klasör / "Yeni.EVD", baytlar);
    EXPECT_EQ(oturum.aç(klasör / "Yeni.EVD"), EserOturumu::AçmaSonucu::programKapanmalı);
    EXPECT_TRUE(kullanıcı.mesajlar.at(0).metin.starts_with("açmak istediğiniz eser SELVİKA'in daha yeni"));
    EXPECT_FALSE(oturum.açık());
}

TEST_F(ScoreSession, TheCaptionNamesBothVersions) {
    EXPECT_EQ(oturum.pencereBaşlığı(), "selvika V1531");
    auto eser = test::örnekEser();
    eser->sürüm = 1499;
    eserKaydet(*eser, klasör / "Eski.EVD");
    oturum.aç(klasör / "Eski.EVD");
    EXPECT_EQ(oturum.pencereBaşlığı(), "selvika V1531   (eser = V1499)");
}

TEST_F(ScoreSession, ATruncatedFileOpensWithAMessage) {
    auto baytlar = eserDosyası(*test::örnekEser());
    baytlar.resize(baytlar.size() - 200);
    test::dosyaYaz(klasör / "Kesik.EVD", baytlar);
    EXPECT_EQ(oturum.aç(klasör / "Kesik.EVD"), EserOturumu::AçmaSonucu::açıldı);
    ASSERT_FALSE(kullanıcı.mesajlar.empty());
    EXPECT_NE(kullanıcı.mesajlar[0].metin.find("okunamayanlar"), std::string::npos);
}

// The Windows faces a new score names are drawn by their Linux stand-ins:
// the score reopens in silence and keeps its faces.
TEST_F(ScoreSession, ANewScoreReopensWithoutAFontMessage) {
    test::SahteYazıTipleri linux{{"DejaVu Sans", "Liberation Sans", "Liberation Serif"}};
    EserOturumu yeni(klasör.yol(), kullanıcı, linux);
    kullanıcı.cevaplar.push_back(Cevap::tamam);
    ASSERT_EQ(yeni.aç(klasör / "Yeni.EVD"), EserOturumu::AçmaSonucu::açıldı);
    yeni.eser().başlık.başlıklar[1].yazıTipi.yüz = Text<40>("  times new roman");
    yeni.eser().başlık.yazıTipleri[2].yüz = Text<40>("Arial");
    ASSERT_TRUE(yeni.kaydet());
    kullanıcı.mesajlar.clear();
    EserOturumu tekrar(klasör.yol(), kullanıcı, linux);
    ASSERT_EQ(tekrar.aç(klasör / "Yeni.EVD"), EserOturumu::AçmaSonucu::açıldı);
    EXPECT_TRUE(kullanıcı.mesajlar.empty());
    const EserBaşlık& b = tekrar.eser().başlık;
    EXPECT_EQ(std::tuple(b.yazıTipleri[1].yüz.trimmed(), b.yazıTipleri[2].yüz.trimmed(),
                         b.başlıklar[1].yazıTipi.yüz.trimmed()),
              std::tuple("MS Sans Serif", "Arial", "times new roman"));
}

TEST_F(ScoreSession, FacesWithoutAStandInAreReplacedAndToldOnce) {
    test::SahteYazıTipleri yalnızDejaVu;
    EserOturumu linux(klasör.yol(), kullanıcı, yalnızDejaVu);
    auto eser = test::örnekEser();
    eser->başlık.yazıTipleri[2].yüz = Text<40>("Hattat Nesih");
    eser->başlık.yazıTipleri[3].yüz = Text<40>("Courier New");
    eser->satırlar[1].ifadeler[2].yazıTipi.yüz = Text<40>(" Hattat Nesih ");
    eserKaydet(*eser, klasör / "Fontlu.EVD");
    linux.aç(klasör / "Fontlu.EVD");
    ASSERT_EQ(kullanıcı.mesajlar.size(), 1u);
    EXPECT_EQ(kullanıcı.mesajlar[0].metin, std::string("\"Hattat Nesih\", \"Courier New\"\n") +
                                               yazıTipiDeğiştirildi + "\n" + değiştirilmişKaydedilir + "\n" +
                                               kaydetmedenÇıkın);
    const Eser& açılan = linux.eser();
    EXPECT_EQ(std::tuple(açılan.başlık.yazıTipleri[1].yüz.trimmed(), açılan.başlık.yazıTipleri[2].yüz.trimmed(),
                         açılan.satırlar[1].ifadeler[2].yazıTipi.yüz.trimmed()),
              std::tuple("MS Sans Serif", "DejaVu Sans", "DejaVu Sans"));
}

TEST_F(ScoreSession, SaveAsRefusesTheSameNameThenKeepsTheCurrentFile) {
    kaydedilmişÖrnek("A.EVD");
    oturum.aç(klasör / "A.EVD");
    kullanıcı.dosyalar = {klasör / "A.EVD", klasör / "Kopya.EVD"};
    oturum.farklıKaydet();
    EXPECT_EQ(kullanıcı.metinler(), std::vector<std::string>{"Farklı bir eser adı belirleyin"});
    EXPECT_EQ(kullanıcı.dosyaSeçimleri[0].önerilenAd, "A.EVD");
    EXPECT_TRUE(std::filesystem::exists(klasör / "Kopya.EVD"));
    EXPECT_EQ(oturum.yol(), klasör / "A.EVD");
}

TEST_F(ScoreSession, ClosingWithNoScoreAsksOnlyWhetherToClose) {
    kullanıcı.cevaplar.push_back(Cevap::hayır);
    EXPECT_FALSE(oturum.kapatılsınMı());
    EXPECT_EQ(kullanıcı.metinler(), std::vector<std::string>{"Bu proğramı kapatmak istiyormusunuz ?"});
    EXPECT_EQ(kullanıcı.mesajlar[0].düğmeler, Düğmeler::evetHayır);
}

TEST_F(ScoreSession, ClosingWithAScoreAlwaysAsksAboutSaving) {
    kaydedilmişÖrnek("A.EVD");
    oturum.aç(klasör / "A.EVD");
    kullanıcı.cevaplar = {Cevap::vazgeç, Cevap::hayır};
    EXPECT_FALSE(oturum.kapatılsınMı()) << "Cancel keeps the program open";
    EXPECT_TRUE(oturum.kapatılsınMı());
    EXPECT_EQ(std::tuple(kullanıcı.mesajlar[0].metin, kullanıcı.mesajlar[0].düğmeler),
              std::tuple(kayıtSorusu, Düğmeler::evetHayırVazgeç));
}

TEST_F(ScoreSession, NewScoresTakeThePreferencesFileAndSavingPreferencesWritesIt) {
    kullanıcı.cevaplar = {Cevap::tamam, Cevap::tamam};
    oturum.aç(klasör / "Bir.EVD");
    EXPECT_EQ(oturum.eser().başlık.ayarlar.fareİmleci, 1) << "no Tercih.dat: the defaults";
    EXPECT_FALSE(std::filesystem::exists(klasör / "Tercih.dat"));

    oturum.eser().başlık.ayarlar.fareİmleci = 2;
    oturum.eser().başlık.bayraklar.uyarıSesleri = false;
    oturum.eser().başlık.bayraklar.güfteYeri = 1;
    oturum.tercihleriKaydet();
    EXPECT_EQ(std::filesystem::file_size(klasör / "Tercih.dat"), 256u);

    oturum.aç(klasör / "İki.EVD");
    // The syllable place is kept in a reserved byte of the file.
    const EserBaşlık& b = oturum.eser().başlık;
    EXPECT_EQ(std::tuple(b.ayarlar.fareİmleci, bool(b.bayraklar.uyarıSesleri), b.bayraklar.güfteYeri),
              std::tuple(2, false, 1));
}

TEST_F(ScoreSession, TheFirstSaveOfASessionKeepsThePreviousFileBeside) {
    kaydedilmişÖrnek("A.EVD");
    ::chmod((klasör / "A.EVD").c_str(), 0600);
    const auto ilk = test::dosyaBaytları(klasör / "A.EVD");
    test::dosyaYaz(klasör / ".A.EVD.k3Jx9Q.kaydediliyor", {1, 2});  // a killed save's
    oturum.aç(klasör / "A.EVD");
    EXPECT_FALSE(std::filesystem::exists(klasör / ".A.EVD.k3Jx9Q.kaydediliyor"));
    oturum.eser().başlık.eserAdı = Text<16>("bir");
    ASSERT_TRUE(oturum.kaydet());
    oturum.eser().başlık.eserAdı = Text<16>("iki");
    ASSERT_TRUE(oturum.kaydet());
    EXPECT_EQ(test::dosyaBaytları(klasör / "A.yedek.EVD"), ilk);
    struct stat st {};
    ::stat((klasör / "A.yedek.EVD").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u) << "the backup is as private as the score";

    const auto ikinci = test::dosyaBaytları(klasör / "A.EVD");
    oturum.aç(klasör / "A.EVD");
    ASSERT_TRUE(oturum.kaydet());
    EXPECT_EQ(test::dosyaBaytları(klasör / "A.yedek.EVD"), ikinci) << "a new session, a new backup";
}

// Files that cannot be scores are called so; the program goes on.
class NotAScore : public ScoreSession, public ::testing::WithParamInterface<std::vector<std::uint8_t>> {};

TEST_P(NotAScore, IsRefusedAsSuch) {
    test::dosyaYaz(klasör / "X.EVD", GetParam());
    EXPECT_EQ(oturum.aç(klasör / "X.EVD"), EserOturumu::AçmaSonucu::değişmedi);
    EXPECT_EQ(kullanıcı.metinler(), std::vector<std::string>{eserDeğil});
    EXPECT_FALSE(oturum.açık());
}

std::vector<std::uint8_t> metin(std::string_view s, std::size_t boy) {
    std::vector<std::uint8_t> v;
    while (v.size() < boy) v.insert(v.end(), s.begin(), s.end());
    return v;
}

std::vector<std::uint8_t> rastgele(std::size_t boy) {
    std::mt19937 üreteç(15);
    std::vector<std::uint8_t> v(boy);
    for (auto& b : v) b = static_cast<std::uint8_t>(üreteç());
    v[0] = 0x7F;  // as a program's first byte
    v[1] = 'E';
    return v;
}

constexpr const char* eserOlmayanAdları[] = {"Text", "LongText", "Binary", "ShortBinary"};

INSTANTIATE_TEST_SUITE_P(ScoreSession, NotAScore,
                         ::testing::Values(metin("Bir şarkı sözü.\n", 300), metin("do re mi fa\n", 40000),
                                           rastgele(30000), rastgele(1000)),
                         [](const auto& p) { return std::string(eserOlmayanAdları[p.index]); });

TEST_F(ScoreSession, AnUnreadableFileSaysItCannotBeRead) {
    kaydedilmişÖrnek("A.EVD");
    ::chmod((klasör / "A.EVD").c_str(), 0);
    const std::string yol = (klasör / "A.EVD").string();
    EXPECT_EQ(test::başkaKullanıcıOlarak([&] {
                  try {
                      eserOku(yol);
                  } catch (const DosyaHatası& hata) {
                      return std::string(hata.what()) == "\"" + yol + "\" okunamadı: bu dosyayı okuma izniniz yok.";
                  }
                  return false;
              }),
              true);
}

TEST_F(ScoreSession, PreferencesOutOfRangeFallBackOneByOneWithAWarning) {
    TercihKaydı kayıt = varsayılanTercihler();
    kayıt.görünümSeçimleri.a = 3;
    kayıt.ayarlar.fareİmleci = 9;
    kayıt.trioleGörünümü.value = 7;
    tercihleriYaz(klasör.yol(), kayıt);
    kullanıcı.cevaplar.push_back(Cevap::tamam);
    oturum.aç(klasör / "Yeni.EVD");
    const EserBaşlık& b = oturum.eser().başlık;
    EXPECT_EQ(std::tuple(b.görünümSeçimleri.a, b.ayarlar.fareİmleci, b.bayraklar.trioleGörünümü.value),
              std::tuple(3, 1, -1));
    EXPECT_EQ(kullanıcı.metinler().back(),
              "Tercih.dat dosyasındaki 2 değer geçersizdi; yerlerine varsayılanları kondu: fare imleci, triole.");

    test::dosyaYaz(klasör / "Tercih.dat", std::vector<std::uint8_t>(256, 0xFF));
    TercihKaydı okunan = tercihleriOku(klasör.yol());
    okunan.ayrılmış = {};
    okunan.ayrılmışMetin = {};
    EXPECT_EQ(okunan, varsayılanTercihler());
}

TEST(PreferencesFile, KeepsItsReservedBytesWhenRewritten) {
    test::GeçiciKlasör klasör;
    TercihKaydı kayıt = varsayılanTercihler();
    kayıt.ayrılmışMetin = Text<42>("saklı");
    tercihleriYaz(klasör.yol(), kayıt);
    SenaryoluEtkileşim kullanıcı;
    test::SahteYazıTipleri yazıTipleri;
    EserOturumu oturum(klasör.yol(), kullanıcı, yazıTipleri);
    kullanıcı.cevaplar.push_back(Cevap::tamam);
    oturum.aç(klasör / "X.EVD");
    oturum.tercihleriKaydet();
    EXPECT_EQ(tercihleriOku(klasör.yol()).ayrılmışMetin.trimmed(), "saklı");
}

}  // namespace
}  // namespace selvika
