#include <fstream>

#include "core/score_file.h"
#include "interchange/symbtr_command.h"
#include "interchange/symbtr_import.h"

#include <gtest/gtest.h>

#include <numeric>
#include <sstream>

#include "interchange/symbtr_name.h"
#include "rhythm/measure_check.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

struct Olay {
    std::string notaAE;
    int komaAE;
    int pay = 1, payda = 4;
    int kod = 9;
    std::string söz = ".";
};

// A SymbTr text of one usul: its row is Sira 1, the events follow from 2.
std::string symbTrMetni(int usulPay, int usulPayda, const std::vector<Olay>& olaylar) {
    std::ostringstream m;
    m << "Sira\tKod\tNota53\tNotaAE\tKoma53\tKomaAE\tPay\tPayda\tMs\tLNS\tBas\tSoz1\tOffset\n";
    m << "1\t51\t\t\t0\t0\t" << usulPay << '\t' << usulPayda << "\t0\t0\t0\tUsul\t0.0\n";
    double offset = 0;
    int sıra = 2;
    for (const Olay& o : olaylar) {
        if (o.payda > 0) offset += static_cast<double>(o.pay) / o.payda * usulPayda / usulPay;
        m << sıra++ << '\t' << o.kod << "\t\t" << o.notaAE << "\t0\t" << o.komaAE << '\t' << o.pay << '\t' << o.payda
          << "\t0\t0\t0\t" << o.söz << '\t' << offset << '\n';
    }
    return m.str();
}

İçeAlma al(int usulPay, int usulPayda, const std::vector<Olay>& olaylar) {
    std::istringstream girdi(symbTrMetni(usulPay, usulPayda, olaylar));
    return symbTrAl(girdi, "hicaz--sarki--sofyan--deneme--besteci");
}

std::vector<const Eleman*> notalar(const Eser& eser) {
    std::vector<const Eleman*> n;
    for (const Satır& s : eser.satırlar)
        for (int j = 1; j <= s.elemanSayısı; ++j)
            if (s.elemanlar[j].nota()) n.push_back(&s.elemanlar[j]);
    return n;
}

bool yayBaşı(const Eleman& e, Byte durum) {
    return std::any_of(e.yay.begin(), e.yay.end(), [&](const YaySlotu& y) { return y.durum == durum; });
}

// Hicaz: si -4, do +4, fa +4.
struct ArızaDurumu {
    std::vector<Olay> olaylar;
    std::vector<Integer> arızalar;
};
class ArızaYazımı : public testing::TestWithParam<ArızaDurumu> {};

TEST_P(ArızaYazımı, OnlyWhereKeyAndMeasureDoNotGiveThePitch) {
    const İçeAlma a = al(4, 4, GetParam().olaylar);
    const auto n = notalar(*a.eser);
    ASSERT_EQ(n.size(), GetParam().arızalar.size());
    for (std::size_t i = 0; i < n.size(); ++i) {
        EXPECT_EQ(n[i]->arıza.arıza, GetParam().arızalar[i]) << i;
        EXPECT_EQ(n[i]->sesindeks, 420 - GetParam().olaylar[i].komaAE) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Hicaz, ArızaYazımı,
    testing::Values(ArızaDurumu{{{"C5#4", 322}, {"B4b4", 310}}, {0, 0}},
                    ArızaDurumu{{{"C5", 318}, {"C5", 318}, {"C6", 371}, {"C5#4", 322}}, {15, 0, 0, 4}},
                    ArızaDurumu{{{"C5", 318}, {"A4", 305}, {"A4", 305}, {"A4", 305}, {"C5", 318}}, {15, 0, 0, 0, 15}},
                    ArızaDurumu{{{"B4b1", 313}, {"B4b4", 310}, {"B4b4", 310}}, {-1, -4, 0}}));

struct BağDurumu {
    int pay, payda;
    std::vector<std::pair<Byte, Byte>> değerler;  // süre, nokta
};
class BağlıSüre : public testing::TestWithParam<BağDurumu> {};

TEST_P(BağlıSüre, BecomesTiedNotesOfTheSameLength) {
    const BağDurumu& d = GetParam();
    const İçeAlma a = al(9, 8, {{"A4", 305, d.pay, d.payda}});
    const auto n = notalar(*a.eser);
    ASSERT_EQ(n.size(), d.değerler.size());
    int birim = 0;
    for (std::size_t i = 0; i < n.size(); ++i) {
        EXPECT_EQ(std::pair(n[i]->süre, n[i]->nokta), d.değerler[i]);
        birim += n[i]->süreBirim;
    }
    EXPECT_EQ(birim, 128 * d.pay / d.payda);
    EXPECT_TRUE(yayBaşı(*n.front(), 1));
    EXPECT_TRUE(yayBaşı(*n.back(), 3));
    EXPECT_TRUE(a.rapor.satırlar.empty());
}

INSTANTIATE_TEST_SUITE_P(Values, BağlıSüre,
                         testing::Values(BağDurumu{5, 8, {{2, 0}, {8, 0}}}, BağDurumu{9, 16, {{2, 0}, {16, 0}}},
                                         BağDurumu{7, 8, {{2, 1}, {8, 0}}}, BağDurumu{9, 8, {{1, 0}, {8, 0}}}));

struct TrioleDurumu {
    int payda;
    Byte süre;
    std::vector<Byte> birimler;
};
class Triole : public testing::TestWithParam<TrioleDurumu> {};

TEST_P(Triole, ThreeEqualRowsMakeABeamedTriplet) {
    const TrioleDurumu& d = GetParam();
    std::vector<Olay> olaylar(3, Olay{"A4", 305, 1, d.payda});
    olaylar.push_back({"A4", 305, 1, 4});
    const int dolgu = 64 - 3 * 128 / d.payda - 32;  // what is left of the 2/4 measure, in 128ths
    if (dolgu > 0) olaylar.push_back({"A4", 305, dolgu, 128});
    const İçeAlma a = al(2, 4, olaylar);
    const auto n = notalar(*a.eser);
    for (Byte k = 0; k < 3; ++k) {
        EXPECT_EQ(n[k]->triole.trioleYeri, k + 1);
        EXPECT_EQ(n[k]->gurup.gurupYeri, k + 1);
        EXPECT_EQ(n[k]->süre, d.süre);
        EXPECT_EQ(n[k]->süreBirim, d.birimler[k]);
    }
    test::SenaryoluEtkileşim e;
    Mn_mezür_Click(*a.eser, e);
    EXPECT_EQ(e.metinler().back(), "1 satır kotrol edildi, başka mezür hatası bulunmadı.");
}

INSTANTIATE_TEST_SUITE_P(Values, Triole,
                         testing::Values(TrioleDurumu{12, 8, {11, 10, 11}}, TrioleDurumu{24, 16, {5, 6, 5}}));

TEST(SatırBölme, WholeMeasuresWithinSixtyElements) {
    // 50 measures of 2/8, two eighths each: 19 measures fill a line after
    // the key signature and the usul.
    std::vector<Olay> olaylar;
    for (int i = 0; i < 100; ++i) olaylar.push_back({i % 2 ? "A4" : "B4b4", i % 2 ? 305 : 310, 1, 8});
    const İçeAlma a = al(2, 8, olaylar);
    const std::vector<int> beklenen = {59, 59, 38};
    for (int k = 1; k <= 3; ++k) {
        const Satır& s = a.eser->satırlar[k];
        EXPECT_EQ(s.elemanSayısı, beklenen[k - 1]);
        EXPECT_EQ(s.elemanlar[1].tür, tür::donanım);
        EXPECT_EQ(s.elemanlar[2].tür, tür::usul);
        EXPECT_EQ(s.elemanlar[s.elemanSayısı].tür, 43);
        EXPECT_EQ(s.satırSonu, satırSonuTürü::yalın);
    }
    EXPECT_EQ(a.eser->satırlar[4].elemanSayısı, 0);
    test::SenaryoluEtkileşim e;
    Mn_mezür_Click(*a.eser, e);
    EXPECT_EQ(e.metinler().back(), "3 satır kotrol edildi, başka mezür hatası bulunmadı.");
}

class YazılamayanSatır : public testing::TestWithParam<Olay> {};

TEST_P(YazılamayanSatır, IsReportedWithItsSiraAndLeftOut) {
    const İçeAlma a = al(4, 4, {{"A4", 305}, GetParam(), {"A4", 305}});
    ASSERT_EQ(a.rapor.satırlar.size(), 1u);
    EXPECT_TRUE(a.rapor.satırlar[0].starts_with("Sıra 3: ")) << a.rapor.satırlar[0];
    EXPECT_EQ(notalar(*a.eser).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Rows, YazılamayanSatır,
                         testing::Values(Olay{"A4", 305, 1, 6}, Olay{"A4", 305, 1, 128}, Olay{"A1", 93},
                                         Olay{"A4", 305, 0, 0, 8}));

struct AdDurumu {
    std::string dosya;
    std::optional<Byte> donanım;
    std::string eserAdı;
};
class DosyaAdı : public testing::TestWithParam<AdDurumu> {};

TEST_P(DosyaAdı, GivesMakamAndTitle) {
    const SymbTrAdı ad = symbTrAdı(GetParam().dosya);
    EXPECT_EQ(makamınDonanımı(ad.makam), GetParam().donanım);
    EXPECT_EQ(ad.eserAdı, GetParam().eserAdı);
}

INSTANTIATE_TEST_SUITE_P(Names, DosyaAdı,
                         testing::Values(AdDurumu{"hicaz--sarki--sofyan--gul_acarken--nihal_erkutun", 7, "Gul Acarken"},
                                         AdDurumu{"beyati--sarki--aksak--sebep_ne--markar_aga", 13, "Sebep Ne"},
                                         AdDurumu{"karcigar--ornek_oz--devrihindi--1--ruhi_ayangil", 10, ""},
                                         AdDurumu{"gulizar--sarki--senginsemai--sormadi--nikogos_aga", std::nullopt,
                                                  "Sormadi"}));

TEST(SymbTrdenAl, WritesTheScoreWhereChosenAndTellsTheRowsLeftOut) {
    const auto klasör = std::filesystem::path(testing::TempDir()) / "symbtr";
    std::filesystem::create_directories(klasör);
    const auto kaynak = klasör / "hicaz--sarki--sofyan--deneme--besteci.txt";
    std::ofstream(kaynak) << symbTrMetni(4, 4, {{"A4", 305, 1, 2}, {"A4", 305, 1, 6}, {"A4", 305, 1, 2}});
    test::SenaryoluEtkileşim e;
    e.dosyalar = {kaynak, klasör / "deneme.EVD"};
    ASSERT_EQ(symbTrdenAl(klasör, e), klasör / "deneme.EVD");
    EXPECT_EQ(e.dosyaSeçimleri[1].önerilenAd, "hicaz--sarki--sofyan--deneme--besteci.EVD");
    EXPECT_EQ(notalar(*eserOku(klasör / "deneme.EVD").eser).size(), 2u);
    ASSERT_EQ(e.mesajlar.size(), 1u);
    EXPECT_NE(e.mesajlar[0].metin.find("Sıra 3: "), std::string::npos);
}

}  // namespace
}  // namespace selvika
