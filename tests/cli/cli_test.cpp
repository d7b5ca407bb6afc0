#include <gtest/gtest.h>
#include <sys/wait.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "audio/passage_list.h"
#include "core/score_file.h"
#include "tests/audio/plan_fixture.h"
#include "tests/support/score_fixtures.h"

namespace selvika {
namespace {

struct Sonuç {
    int durum;
    std::string çıktı, hata;
};

std::string oku(const std::filesystem::path& yol) {
    std::ifstream in(yol);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class Cli : public ::testing::Test {
protected:
    Sonuç çalıştır(const std::vector<std::string>& argümanlar) {
        std::string komut = "'" SELVIKA_CLI "'";
        for (const auto& a : argümanlar) komut += " '" + a + "'";
        komut += " >'" + (klasör / "out").string() + "' 2>'" + (klasör / "err").string() + "'";
        int durum = std::system(komut.c_str());
        return {WEXITSTATUS(durum), oku(klasör / "out"), oku(klasör / "err")};
    }

    test::GeçiciKlasör klasör;
};

TEST_F(Cli, NewWritesTheEmptyScore) {
    auto yol = klasör / "Yeni.EVD";
    EXPECT_EQ(çalıştır({"new", yol}).durum, 0);
    EXPECT_EQ(std::filesystem::file_size(yol), 21925u);
}

TEST_F(Cli, DumpPrintsEveryLineAndElementWithTheirKeys) {
    auto yol = klasör / "Örnek.EVD";
    eserKaydet(*test::örnekEser(), yol);
    Sonuç s = çalıştır({"dump", yol});
    ASSERT_EQ(s.durum, 0) << s.hata;
    auto j = nlohmann::json::parse(s.çıktı);
    EXPECT_EQ(j["version"], 1531);
    EXPECT_EQ(j["header"]["eserAdı"], "Üsküdar'a gider");
    for (const char* anahtar : {"pasajSayısı", "satırPasajı", "yazıTipleri", "başlıklar", "sayfalar", "güfteBlokları",
                                "güfteYerleri", "satırAralıkları", "fareİmleci", "trioleGörünümü"})
        EXPECT_TRUE(j["header"].contains(anahtar)) << anahtar;
    ASSERT_EQ(j["lines"].size(), 126u);
    const auto& satır = j["lines"][0];
    EXPECT_EQ(satır["güfteSatırları"][0], "Üs-kü-dar'a gi-der i-ken");
    EXPECT_EQ(satır["elemanlar"].size(), satır["elemanSayısı"].get<std::size_t>());
    EXPECT_EQ(satır["ifadeler"][0]["metin"], "Ağır");

    std::vector<std::string> anahtarlar;
    for (const auto& [k, v] : satır["elemanlar"][0].items()) anahtarlar.push_back(k);
    std::sort(anahtarlar.begin(), anahtarlar.end());
    std::vector<std::string> beklenen = {
        "tür", "genişlik", "süre", "arıza", "mikroton", "arızaAyarı", "parantezli", "bekarlı", "x", "xKayma",
        "sapYönü", "usulNo", "kanal", "gurupYeri", "gurupAyarı", "kiriş", "yay", "kresendo", "dolap", "saz",
        "heceÇizgi", "imleç", "nokta", "uzatma1", "uzatma2", "hece", "heceAyarı", "takıKonumu", "boyut",
        "trioleYeri", "heceAralığı", "sesindeks", "süreBirim"};
    std::sort(beklenen.begin(), beklenen.end());
    EXPECT_EQ(anahtarlar, beklenen);
    EXPECT_EQ(satır["elemanlar"][2]["sapYönü"], "p");
    EXPECT_EQ(satır["elemanlar"][0]["yay"].size(), 4u);
}

TEST_F(Cli, ResaveGivesBackTheSameBytes) {
    auto girdi = klasör / "a.EVD", çıktı = klasör / "b.EVD";
    eserKaydet(*test::herAlanıDoluEser(3), girdi);
    EXPECT_EQ(çalıştır({"resave", girdi, çıktı}).durum, 0);
    EXPECT_EQ(test::dosyaBaytları(çıktı), test::dosyaBaytları(girdi));
}

TEST_F(Cli, ARefusedOrMissingFileExitsWithOneAndSaysWhy) {
    auto yol = klasör / "yeni.EVD";
    auto baytlar = eserDosyası(*test::örnekEser());
    baytlar[0] = 0xFC;
    test::dosyaYaz(yol, baytlar);
    Sonuç s = çalıştır({"dump", yol});
    EXPECT_EQ(s.durum, 1);
    EXPECT_NE(s.hata.find("daha yeni bir sürümü ile yazılmış"), std::string::npos);
    EXPECT_TRUE(s.çıktı.empty());

    s = çalıştır({"dump", klasör / "olmayan.EVD"});
    EXPECT_EQ(s.durum, 1);
    EXPECT_NE(s.hata.find("bulunamadı"), std::string::npos);
}

TEST_F(Cli, ATruncatedFileIsDumpedWithAWarning) {
    auto yol = klasör / "kesik.EVD";
    auto baytlar = eserDosyası(*test::örnekEser());
    baytlar.resize(baytlar.size() - 500);
    test::dosyaYaz(yol, baytlar);
    Sonuç s = çalıştır({"dump", yol});
    EXPECT_EQ(s.durum, 0);
    EXPECT_NE(s.hata.find("okunamayanlar"), std::string::npos);
    EXPECT_EQ(nlohmann::json::parse(s.çıktı)["lines"].size(), 126u);
}

TEST_F(Cli, StoreGivesEveryNoteItsSoundAndCheckReportsMeasures) {
    auto girdi = klasör / "a.EVD", çıktı = klasör / "b.EVD";
    eserKaydet(*test::örnekEser(), girdi);
    ASSERT_EQ(çalıştır({"store", girdi, çıktı}).durum, 0);
    auto j = nlohmann::json::parse(çalıştır({"dump", çıktı}).çıktı);
    const auto& elemanlar = j["lines"][1]["elemanlar"];
    EXPECT_EQ(elemanlar[0]["sesindeks"], 0) << "a key signature sounds nothing";
    EXPECT_EQ(elemanlar[1]["sesindeks"], 93) << "Neva";
    EXPECT_EQ(elemanlar[1]["süreBirim"], 32);
    EXPECT_EQ(elemanlar[6]["sesindeks"], 75) << "Acem under the Mahur signature (fa +5)";

    Sonuç kontrol = çalıştır({"check", çıktı});
    EXPECT_EQ(kontrol.durum, 0);
    EXPECT_NE(kontrol.çıktı.find("1. satırda "), std::string::npos) << kontrol.çıktı;
    EXPECT_NE(kontrol.çıktı.find(" satır kotrol edildi, başka mezür hatası bulunmadı."), std::string::npos);
}

TEST_F(Cli, ImportSymbTrWritesTheScoreAndListsTheRowsLeftOut) {
    const auto kaynak = klasör / "hicaz--sarki--sofyan--deneme--besteci.txt";
    std::ofstream(kaynak) << "Sira\tKod\tNota53\tNotaAE\tKoma53\tKomaAE\tPay\tPayda\tMs\tLNS\tBas\tSoz1\tOffset\n"
                             "1\t51\t\t\t0\t0\t2\t4\t0\t0\t0\tNimsofyan\t0.0\n"
                             "2\t9\t\tA4\t0\t305\t1\t2\t0\t0\t0\tGül \t1.0\n"
                             "3\t9\t\tA1\t0\t93\t1\t2\t0\t0\t0\t.\t2.0\n";
    Sonuç s = çalıştır({"import-symbtr", kaynak, klasör / "deneme.EVD"});
    EXPECT_EQ(s.durum, 0);
    EXPECT_TRUE(s.hata.starts_with("Sıra 3: ")) << s.hata;
    EXPECT_EQ(eserOku(klasör / "deneme.EVD").eser->satırlar[1].güfteSatırları[1].trimmed(), "Gül");
    EXPECT_EQ(çalıştır({"import-symbtr", klasör / "olmayan.txt", klasör / "x.EVD"}).durum, 1);
}

// The score to MusicXML and back; an unreadable MusicXML file is refused.
TEST_F(Cli, MusicXmlOutAndIn) {
    eserKaydet(*test::örnekEser(), klasör / "ham.EVD");
    ASSERT_EQ(çalıştır({"export-musicxml", klasör / "ham.EVD", klasör / "eser.musicxml"}).durum, 0);
    Sonuç s = çalıştır({"import-musicxml", klasör / "eser.musicxml", klasör / "geri.EVD"});
    EXPECT_EQ(s.durum, 0);
    EXPECT_EQ(s.hata, "");
    EXPECT_TRUE(std::filesystem::exists(klasör / "geri.EVD"));
    std::ofstream(klasör / "bozuk.musicxml") << "<score-partwise";
    EXPECT_EQ(çalıştır({"import-musicxml", klasör / "bozuk.musicxml", klasör / "x.EVD"}).durum, 1);
}

TEST_F(Cli, BadUsageExitsWithTwo) {
    EXPECT_EQ(çalıştır({}).durum, 2);
    EXPECT_EQ(çalıştır({"dump"}).durum, 2);
    EXPECT_EQ(çalıştır({"fly", "x"}).durum, 2);
    Sonuç yardım = çalıştır({"help"});
    EXPECT_EQ(yardım.durum, 0);
    EXPECT_NE(yardım.çıktı.find("resave"), std::string::npos);
}

// The sample score, stored as the editor would, for the performance plan.
class CliPlan : public Cli {
protected:
    void SetUp() override {
        eserKaydet(*test::örnekEser(), klasör / "ham.EVD");
        ASSERT_EQ(çalıştır({"store", klasör / "ham.EVD", eser}).durum, 0);
    }
    nlohmann::json json(const std::vector<std::string>& argümanlar) {
        Sonuç s = çalıştır(argümanlar);
        EXPECT_EQ(s.durum, 0) << s.hata;
        return nlohmann::json::parse(s.çıktı);
    }

    std::filesystem::path eser = klasör / "Örnek.EVD", çıktı = klasör / "Pasajlı.EVD";
};

TEST_F(CliPlan, NotesListEveryElementAndPlanGivesTheLinePlayDefaults) {
    auto notalar = json({"notes", eser});
    auto satırlar = json({"dump", eser})["lines"];
    std::size_t elemanlar = 0;
    for (const auto& satır : satırlar) elemanlar += satır["elemanSayısı"].get<std::size_t>();
    ASSERT_EQ(notalar.size(), elemanlar);
    const auto& neva = notalar[satırlar[0]["elemanSayısı"].get<int>() + 1];
    EXPECT_EQ(neva, (nlohmann::json{{"indeks", neva["indeks"]}, {"satır", 2}, {"eleman", 2}, {"tür", neva["tür"]},
                                    {"sesindeks", 93}, {"süre", 32}, {"arıza", 0}, {"mikroton", 0},
                                    {"tremolo", false}, {"kanal", 0}, {"seyir", neva["seyir"]}}));
    std::set<std::string> seyirler;
    for (const auto& n : notalar) seyirler.insert(n["seyir"]);
    EXPECT_EQ(seyirler, (std::set<std::string>{"iniş", "düz", "çıkış"}));

    auto plan = json({"plan", eser});
    EXPECT_TRUE(plan["pasajlar"].empty());
    const auto& satır = plan["satırPasajı"];
    EXPECT_EQ(std::tuple(satır["ad"], satır["girişMetronomu"], satır["solist"], satır["göçürümler"][0], satır["kanallar"]),
              std::tuple("Satır", 80, "KANUN", 22, 1));

    çalıştır({"new", çıktı});
    Sonuç boş = çalıştır({"plan", çıktı});
    EXPECT_EQ(boş.durum, 1);
    EXPECT_EQ(boş.hata, "eserin ilk satırında yeterli nota yok.\n");
}

TEST_F(CliPlan, PassageAddAppendsTheMarkedRangeWithTheNewPassageDefaults) {
    ASSERT_EQ(çalıştır({"passage-add", eser, çıktı, "--from", "1:2", "--to", "2:3"}).durum, 0);
    ASSERT_EQ(çalıştır({"passage-add", çıktı, çıktı, "--to", "3:1", "--from", "2:4", "--name", "Zemin"}).durum, 0);
    auto pasajlar = json({"plan", çıktı})["pasajlar"];
    ASSERT_EQ(pasajlar.size(), 2u);
    auto işaretler = [](const nlohmann::json& p) {
        return std::vector<nlohmann::json>{p["ad"], p["başlangıçSatırı"], p["başlangıçElemanı"], p["bitişSatırı"],
                                           p["bitişElemanı"]};
    };
    EXPECT_EQ(işaretler(pasajlar[0]), (std::vector<nlohmann::json>{"Birinci Hane", 1, 2, 2, 3}));
    EXPECT_EQ(işaretler(pasajlar[1]), (std::vector<nlohmann::json>{"Zemin", 2, 4, 3, 1}));
    for (auto [anahtar, değer] : {std::pair<const char*, nlohmann::json>{"birimNota", 4}, {"girişMetronomu", 120},
                                  {"çıkışMetronomu", 120}, {"metronomKipi", 0}, {"solist", "SINUS"},
                                  {"eşlikler", {"SZYOK", "SZYOK", "SZYOK"}}, {"ritim", "RTYOK"},
                                  {"sesSeviyeleri", {50, 50, 50, 50}}, {"ritimSesi", 50}, {"usulNumarası", 0},
                                  {"göçürümler", {0, 0, 0, 0}}, {"kanallar", 0}, {"cins", 0}, {"çeşniPerdesi", 0}})
        EXPECT_EQ(pasajlar[0][anahtar], değer) << anahtar;
    auto notalar = json({"notes", çıktı});
    const auto& ilk = notalar[pasajlar[1]["başlangıçİndeksi"].get<int>() - 1];
    EXPECT_EQ(std::tuple(ilk["satır"], ilk["eleman"]), std::tuple(2, 4));
}

// Options after the marked range, and the fields of the plan they set.
struct PasajSeçeneği {
    std::vector<std::string> seçenekler;
    nlohmann::json alanlar;
};

class CliPassageOption : public CliPlan, public testing::WithParamInterface<PasajSeçeneği> {};

TEST_P(CliPassageOption, LandsInThePlan) {
    std::vector<std::string> a = {"passage-add", eser, çıktı, "--from", "1:2", "--to", "2:3"};
    a.insert(a.end(), GetParam().seçenekler.begin(), GetParam().seçenekler.end());
    Sonuç s = çalıştır(a);
    ASSERT_EQ(s.durum, 0) << s.hata;
    const auto pasaj = json({"plan", çıktı})["pasajlar"][0];
    for (const auto& [anahtar, değer] : GetParam().alanlar.items()) EXPECT_EQ(pasaj[anahtar], değer) << anahtar;
}

INSTANTIATE_TEST_SUITE_P(
    Seçenekler, CliPassageOption,
    testing::Values(
        PasajSeçeneği{{"--soloist", "KEMAN", "--unit", "8"}, {{"solist", "KEMAN"}, {"birimNota", 8}}},
        PasajSeçeneği{{"--accompaniments", "KANUN,UDOOO"}, {{"eşlikler", {"KANUN", "UDOOO", "SZYOK"}}}},
        PasajSeçeneği{{"--metronome", "60:120"}, {{"girişMetronomu", 60}, {"çıkışMetronomu", 120}}},
        PasajSeçeneği{{"--metronome", "90"}, {{"girişMetronomu", 90}, {"çıkışMetronomu", 90}}},
        PasajSeçeneği{{"--gocurum", "22"}, {{"göçürümler", {22, 22, 22, 22}}}},
        PasajSeçeneği{{"--gocurum", "1,2,3,4"}, {{"göçürümler", {1, 2, 3, 4}}}},
        PasajSeçeneği{{"--volumes", "0,20,30,255"}, {{"sesSeviyeleri", {0, 20, 30, 255}}}},
        PasajSeçeneği{{"--rhythm", "KUDUM", "--usul", "7", "--rhythm-volume", "100"},
                      {{"ritim", "KUDUM"}, {"usulNumarası", 7}, {"ritimSesi", 100}}},
        PasajSeçeneği{{"--channels", "201"}, {{"kanallar", 201}}},
        PasajSeçeneği{{"--cesni", "29:49"}, {{"çeşniPerdesi", 29}, {"cins", 49}}}));

// Refused options, and the start of what standard error says.
struct YanlışSeçenek {
    std::vector<std::string> seçenekler;
    std::string mesaj;
};

YanlışSeçenek aralıkla(std::vector<std::string> seçenekler, std::string mesaj) {
    seçenekler.insert(seçenekler.begin(), {"--from", "1:2", "--to", "2:3"});
    return {std::move(seçenekler), std::move(mesaj)};
}

class CliPassageRefusal : public CliPlan, public testing::WithParamInterface<YanlışSeçenek> {};

TEST_P(CliPassageRefusal, LeavesTheFileUntouchedAndSaysWhy) {
    const auto önce = test::dosyaBaytları(eser);
    std::vector<std::string> a = {"passage-add", eser, eser};
    a.insert(a.end(), GetParam().seçenekler.begin(), GetParam().seçenekler.end());
    Sonuç s = çalıştır(a);
    EXPECT_EQ(s.durum, 2);
    EXPECT_EQ(s.hata.substr(0, GetParam().mesaj.size()), GetParam().mesaj) << s.hata;
    EXPECT_NE(s.hata.find("\nkullanım: selvika-cli passage-add"), std::string::npos);
    EXPECT_EQ(test::dosyaBaytları(eser), önce);
}

INSTANTIATE_TEST_SUITE_P(
    YanlışDeğerler, CliPassageRefusal,
    testing::Values(
        YanlışSeçenek{{"--to", "2:3", "--from", "1:x"}, "--from: x olamaz; 1 ile 61 arasında bir tam sayı olmalı"},
        YanlışSeçenek{{"--from", "1:2", "--to", "127:1"}, "--to: 127 olamaz; 1 ile 126 arasında"},
        YanlışSeçenek{{"--from", "1:2", "--to", "99:1"}, "eserde böyle bir eleman yok"},
        YanlışSeçenek{{"--from", "1:2"}, "--to verilmeli"},
        YanlışSeçenek{{"--from", "1:2", "--to"}, "--to: bir kez ve 2 değerle verilmeli"},
        aralıkla({"--soloist", "KEMA"}, "--soloist: KEMA olamaz; bir saz kodu (SINUS, KANUN,"),
        aralıkla({"--accompaniments", "KANUN,XXXXX"}, "--accompaniments: XXXXX olamaz"),
        aralıkla({"--metronome", "0"}, "--metronome: 0 olamaz; 1 ile 255 arasında"),
        aralıkla({"--unit", "6"}, "--unit: 6 olamaz; 4, 8 ya da 16 olmalı"),
        aralıkla({"--gocurum", "1,2"}, "--gocurum: tek değerle ya da dört değerle verilmeli"),
        aralıkla({"--gocurum", "256"}, "--gocurum: 256 olamaz"),
        aralıkla({"--volumes", "1,2,300,4"}, "--volumes: 300 olamaz"),
        aralıkla({"--volumes", "1,2,3"}, "--volumes: bir kez ve 4 değerle verilmeli"),
        aralıkla({"--usul", "1", "--rhythm", "DRBKA"}, "--rhythm: DRBKA olamaz; TEFOO, BENDR, KUDUM ya da RTYOK"),
        aralıkla({"--rhythm", "KUDUM"}, "--rhythm ile birlikte --usul de verilmeli"),
        aralıkla({"--rhythm-volume", "101"}, "--rhythm-volume: 101 olamaz; 0 ile 100 arasında"),
        aralıkla({"--channels", "256"}, "--channels: 256 olamaz"),
        aralıkla({"--cesni", "30:1"}, "--cesni: 30 olamaz; 0 ile 29 arasında"),
        aralıkla({"--cesni", "1:50"}, "--cesni: 50 olamaz; 0 ile 49 arasında"),
        aralıkla({"--speed", "6"}, "beklenmeyen argüman: --speed 6")));

// Passage `n` of a new passage's defaults over elements `ilk` to `son` of
// line 1.
void pasajKoy(test::PlanEseri& plan, int n, int ilk, int son) {
    Pasaj& p = plan.pasaj(n) = varsayılanPasaj("Pasaj");
    p.başlangıçİndeksi = p.başlangıçElemanı = static_cast<Byte>(ilk);
    p.bitişİndeksi = p.bitişElemanı = static_cast<Byte>(son);
    p.başlangıçSatırı = p.bitişSatırı = 1;
}

// A score of twelve eighths at metronome 120 whose passages cover elements
// 1-4 and 5-6 of line 1: 44100 and 22050 samples of SINUS.
TEST_F(CliPlan, AnalyseCountsThePitchesAndShiftsTheSignature) {
    const auto j = json({"analyse", eser, "--shift", "9", "--png", klasör / "h.png"});
    EXPECT_EQ(j["countHistogram"]["93"], 6) << "Neva";
    EXPECT_EQ(j["durationHistogram"]["0"], 160) << "the rests";
    EXPECT_EQ(j["keySignature"], 19) << "MAHUR";
    EXPECT_EQ(j["oldSignature"]["fa"], 5);
    EXPECT_EQ(j["shiftLabel"], "Sipürde");
    EXPECT_EQ(j["newSignature"]["mi"], 0);
    EXPECT_GT(std::filesystem::file_size(klasör / "h.png"), 1000u);

    test::dosyaYaz(klasör / "kısa.EVD", {1, 2, 3});
    Sonuç s = çalıştır({"analyse", eser, klasör / "yok.EVD", klasör / "kısa.EVD", eser});
    EXPECT_EQ(s.durum, 1);
    const auto hepsi = nlohmann::json::parse(s.çıktı);
    ASSERT_EQ(hepsi["files"].size(), 4u);
    EXPECT_NE(s.hata.find("yok.EVD\" bulunamadı."), std::string::npos) << s.hata;
    EXPECT_EQ(hepsi["files"][2]["totalCount"], 0) << "a short file is read as far as it goes";
    EXPECT_EQ(hepsi["sum"]["countHistogram"]["93"], 12);
    EXPECT_EQ(çalıştır({"analyse", eser, "--shift", "53"}).durum, 2);
}

TEST_F(Cli, RenderPerformsTheChosenPassagesOrAllOfThem) {
    test::PlanEseri plan;
    plan.satır(1, 12);
    pasajKoy(plan, 1, 1, 4);
    pasajKoy(plan, 2, 5, 6);
    auto eser = klasör / "Eser.EVD", wav = klasör / "Eser.wav";
    eserKaydet(*plan.eser, eser);
    Sonuç hiçbiri = çalıştır({"render", eser, wav});
    EXPECT_EQ(hiçbiri.durum, 1);
    EXPECT_EQ(hiçbiri.hata, "Pasaj kutularından en az birini işaretleyin\n");

    plan.eser->başlık.pasajSayısı = 2;
    eserKaydet(*plan.eser, eser);
    Sonuç hepsi = çalıştır({"render", eser, wav});
    ASSERT_EQ(hepsi.durum, 0) << hepsi.hata;
    EXPECT_EQ(std::filesystem::file_size(wav), 44u + 2 * (44100 + 22050));
    ASSERT_EQ(çalıştır({"render", eser, wav, "--passages", "2"}).durum, 0);
    EXPECT_EQ(std::filesystem::file_size(wav), 44u + 2 * 22050);
    EXPECT_EQ(çalıştır({"render", eser, wav, "--passages", "3"}).durum, 2);
    EXPECT_EQ(çalıştır({"render", eser, wav, "--passages", "1,x"}).durum, 2);
}

// Twelve eighths at the line-play record's metronome 80 counting quarters:
// 192 units of 1033.59375 samples.
TEST_F(Cli, RenderLinePlaysOneLineWithTheLinePlayRecord) {
    test::PlanEseri plan;
    plan.satır(1, 12);
    auto eser = klasör / "Eser.EVD", wav = klasör / "Satır.wav";
    eserKaydet(*plan.eser, eser);
    Sonuç satır = çalıştır({"render", eser, wav, "--line", "1"});
    ASSERT_EQ(satır.durum, 0) << satır.hata;
    EXPECT_EQ(std::filesystem::file_size(wav), 44u + 2 * 198450);
    EXPECT_EQ(oku(wav).substr(0, 4), "RIFF");

    Sonuç boş = çalıştır({"render", eser, wav, "--line", "2"});
    EXPECT_EQ(boş.durum, 1);
    EXPECT_NE(boş.hata.find("Icra edilecek bölüm bulunamadı"), std::string::npos) << boş.hata;
    EXPECT_EQ(çalıştır({"render", eser, wav, "--line", "1", "--passages", "1"}).durum, 2);
}

// A passage of three quarter notes (the first line holds more, as a line
// to play needs): solfège places a recording every 22400
// samples, bona a note name every 25000; each output ends with the whole of
// its last recording (27002 and 20002 samples).
struct HeceUzunluğu {
    std::string komut;
    std::uintmax_t örnekler;
};

class CliSyllables : public Cli, public testing::WithParamInterface<HeceUzunluğu> {};

TEST_P(CliSyllables, PlaceTheRecordingsOfThreeQuarterNotes) {
    test::PlanEseri plan;
    plan.satır(1, 12);
    for (int j = 1; j <= 3; ++j) {
        Eleman& e = plan.eser->satırlar[1].elemanlar[j];
        e.süre = 4;
        e.süreBirim = 32;
    }
    pasajKoy(plan, 1, 1, 3);
    plan.eser->başlık.pasajSayısı = 1;
    auto eser = klasör / "Eser.EVD", wav = klasör / "Hece.wav";
    eserKaydet(*plan.eser, eser);
    Sonuç s = çalıştır({GetParam().komut, eser, wav});
    ASSERT_EQ(s.durum, 0) << s.hata;
    EXPECT_EQ(std::filesystem::file_size(wav), 44 + 2 * GetParam().örnekler);
}

INSTANTIATE_TEST_SUITE_P(Heceler, CliSyllables,
                         testing::Values(HeceUzunluğu{"solfej", 2 * 22400 + 27002},
                                         HeceUzunluğu{"bona", 2 * 25000 + 20002}),
                         [](const auto& bilgi) { return bilgi.param.komut; });

TEST_F(Cli, Mp3TakesAnOfferedBitRateAndTellsWhatItCannotRead) {
    auto eser = klasör / "Yeni.EVD", mp3 = klasör / "Yeni.mp3";
    çalıştır({"new", eser});
    Sonuç hız = çalıştır({"mp3", eser, mp3, "--bitrate", "100"});
    EXPECT_EQ(hız.durum, 2);
    EXPECT_TRUE(hız.hata.starts_with("--bitrate: 100 olamaz; kbit/s olarak 32, 40, ")) << hız.hata;
    Sonuç kaynak = çalıştır({"mp3", eser, mp3, "--bitrate", "320"});
    EXPECT_EQ(kaynak.durum, 1);
    EXPECT_EQ(kaynak.hata, "Seslendirme dosyası okunamadı.\n");
}

// The MIDI file of a passage with accompaniment and usul opens in
// MuseScore 3, which engraves it as a PDF.
TEST_F(CliPlan, MidiFileOpensInMuseScore) {
    ASSERT_EQ(çalıştır({"passage-add", eser, çıktı, "--from", "1:2", "--to", "3:1", "--soloist", "KEMAN",
                        "--accompaniments", "KANUN", "--rhythm", "KUDUM", "--usul", "1"})
                  .durum,
              0);
    const auto mid = klasör / "Eser.mid", pdf = klasör / "Eser.pdf";
    Sonuç s = çalıştır({"midi", çıktı, mid});
    ASSERT_EQ(s.durum, 0) << s.hata;
    // Its settings go to a home of its own.
    const std::string komut = "HOME='" + klasör.yol().string() + "' QT_QPA_PLATFORM=offscreen musescore3 -o '" +
                              pdf.string() + "' '" + mid.string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(komut.c_str()), 0);
    EXPECT_GT(std::filesystem::file_size(pdf), 0u);
}

}  // namespace
}  // namespace selvika
