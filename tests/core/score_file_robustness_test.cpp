// Built with AddressSanitizer and UndefinedBehaviorSanitizer: the reader is
// fed truncated and corrupted files and must neither crash nor read past
// them, and must say what it could not read.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "core/score_file.h"
#include "tests/support/score_fixtures.h"

namespace selvika {
namespace {

using Baytlar = std::vector<std::uint8_t>;

// A file that opened, whatever it held, saves as a file that opens whole.
void tutarlıKaydedilir(const AçılanEser& açılan) {
    auto yeniden = eserÇöz(eserDosyası(*açılan.eser));
    EXPECT_TRUE(yeniden.rapor.tam()) << yeniden.rapor.metin();
}

std::set<std::size_t> kesmeNoktaları(const Baytlar& dosya) {
    std::set<std::size_t> noktalar;
    for (std::size_t i = 0; i < 64; ++i) noktalar.insert(i);
    for (std::size_t sınır : {başlıkSonu, elemanBölümü, dosya.size()})
        for (std::size_t i = sınır - 3; i <= sınır + 3; ++i) noktalar.insert(i);
    for (std::size_t i = 0; i < dosya.size(); i += std::max<std::size_t>(97, dosya.size() / 300)) noktalar.insert(i);
    std::erase_if(noktalar, [&](std::size_t i) { return i >= dosya.size(); });
    return noktalar;
}

TEST(ScoreFileRobustness, ATruncatedFileOpensAsFarAsItGoesAndSaysWhatIsMissing) {
    for (Baytlar dosya : {eserDosyası(*test::örnekEser()), eserDosyası(*test::herAlanıDoluEser(11))}) {
        for (std::size_t boy : kesmeNoktaları(dosya)) {
            Baytlar kesik(dosya.begin(), dosya.begin() + static_cast<long>(boy));
            AçılanEser açılan = eserÇöz(kesik);
            EXPECT_FALSE(açılan.rapor.tam()) << "cut at " << boy;
            EXPECT_FALSE(açılan.rapor.metin().empty());
            EXPECT_EQ(açılan.rapor.başlıkEksik, boy < başlıkSonu) << boy;
            const std::size_t dizinli = boy < başlıkSonu ? 0 : std::min<std::size_t>(126, (boy - başlıkSonu) / 59);
            EXPECT_EQ(açılan.rapor.dizinsizSatırlar.size(), 126 - dizinli) << boy;
            tutarlıKaydedilir(açılan);
        }
    }
}

TEST(ScoreFileRobustness, CountsExactlyWhatACutInTheSectionsLost) {
    EserPtr eser = test::örnekEser();
    Baytlar dosya = eserDosyası(*eser);
    long güfteHarfleri = 0, ifadeler = 0, elemanlar = 0;
    for (int n = 1; n <= satırSayısı; ++n) {
        elemanlar += eser->dizin[n].elemanAdedi;
        for (int k = 1; k <= 4; ++k) güfteHarfleri += eser->dizin[n].güfteler[k].uzunluk;
        for (int slot = 1; slot <= 3; ++slot) ifadeler += eser->satırlar[n].ifadeler[slot].kullanımda();
    }
    ASSERT_EQ(dosya.size(), elemanBölümü + 136 * elemanlar + güfteHarfleri + 103 * ifadeler);

    Baytlar kesik(dosya.begin(), dosya.begin() + static_cast<long>(elemanBölümü + 136 * (elemanlar - 3)));
    AçılanEser açılan = eserÇöz(kesik);
    const auto& r = açılan.rapor;
    EXPECT_EQ(std::tuple(r.elemanlar.adet, r.elemanlar.satırlar, r.güfteHarfleri.adet, r.ifadeler.adet, r.dizinsizSatırlar.size()),
              std::tuple(3, std::set<int>{5}, güfteHarfleri, ifadeler, 0u));
    EXPECT_NE(açılan.rapor.metin().find("Okunamayan eleman: 3 (satır 5)"), std::string::npos) << açılan.rapor.metin();
    EXPECT_EQ(açılan.eser->satırlar[1].elemanlar[3], eser->satırlar[1].elemanlar[3]) << "what is there is kept";
}

TEST(ScoreFileRobustness, ExtraBytesAtTheEndAreReported) {
    Baytlar dosya = eserDosyası(*test::örnekEser());
    dosya.resize(dosya.size() + 40, 0x55);
    EXPECT_EQ(eserÇöz(dosya).rapor.fazlaBayt, 40u);
}

TEST(ScoreFileRobustness, CorruptIndexValuesNeverCrashTheReader) {
    EserPtr eser = test::örnekEser();
    Baytlar asıl = eserDosyası(*eser);
    std::mt19937 üreteç(2026);
    for (int deneme = 0; deneme < 1500; ++deneme) {
        Baytlar dosya = asıl;
        int kaç = 1 + deneme % 8;
        for (int i = 0; i < kaç; ++i) {
            // Mostly the index, where counts and starts lie; sometimes anywhere.
            std::size_t yer = deneme % 4 ? başlıkSonu + üreteç() % (elemanBölümü - başlıkSonu) : üreteç() % dosya.size();
            dosya[yer] = static_cast<std::uint8_t>(üreteç());
        }
        if (deneme % 5 == 0) dosya.resize(üreteç() % dosya.size());
        try {
            AçılanEser açılan = eserÇöz(dosya);
            tutarlıKaydedilir(açılan);
        } catch (const DosyaHatası&) {  // a newer version, or no score left
        }
    }
}

TEST(ScoreFileRobustness, ImpossibleCountsAreReportedAndBounded) {
    EserPtr eser = test::örnekEser();
    Baytlar dosya = eserDosyası(*eser);
    auto yaz4 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) dosya[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    std::size_t satır2 = başlıkSonu + 59;
    yaz4(satır2, 0x7FFFFFFF);        // element count
    yaz4(satır2 + 8, 0xFFFFFFF0);    // lyric length, negative
    yaz4(satır2 + 40, 555);          // expression mask
    AçılanEser açılan = eserÇöz(dosya);
    EXPECT_TRUE(açılan.rapor.tutarsızSatırlar.contains(2));
    EXPECT_LE(açılan.eser->satırlar[2].elemanSayısı, 61);
    tutarlıKaydedilir(açılan);
}

}  // namespace
}  // namespace selvika
