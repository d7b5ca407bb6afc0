#include <gtest/gtest.h>

#include "pitch/key_signatures.h"
#include "pitch/sound.h"
#include "tests/support/line_values.h"

namespace selvika {
namespace {

// A line written element by element, then given its koma positions.
struct SesSatırı {
    SesSatırı& nota(int p, Integer arıza = 0) {
        Eleman& e = satır.elemanlar[++satır.elemanSayısı];
        e.tür = static_cast<Byte>(p);
        e.süre = 4;
        e.arıza.arıza = arıza;
        return *this;
    }
    SesSatırı& işaret(Byte tür, Byte kod = 0) {
        Eleman& e = satır.elemanlar[++satır.elemanSayısı];
        e.tür = tür;
        e.usulNo = kod;
        return *this;
    }
    SesSatırı& makam(const char* ad) {
        for (const Makam& m : makamListesi())
            if (m.ad == ad) return işaret(tür::donanım, m.kod);
        ADD_FAILURE() << ad;
        return *this;
    }
    std::vector<int> sesler() {
        sesindeksleriniYaz(satır, kullanıcı);
        return test::herEleman(satır, &Eleman::sesindeks);
    }

    Satır satır;
    KullanıcıDonanımı kullanıcı;
};

TEST(Sound, FollowsAccidentalsSignaturesAndBarLines) {
    const struct { const char* durum; void (*yaz)(SesSatırı&); std::vector<int> sesler; } durumlar[] = {
        {"dügah with its own accidentals", [](SesSatırı& s) { s.nota(15).işaret(33).nota(15, -1).işaret(33).nota(15, 4); },
         {115, 0, 116, 0, 111}},
        {"an accidental carries to every octave until the bar line",
         [](SesSatırı& s) { s.nota(14, -1).nota(7).nota(21).işaret(33).nota(7); }, {107, 54, 160, 0, 53}},
        {"a natural cancels the signature for the rest of the measure",
         [](SesSatırı& s) { s.makam("RAST").nota(14).nota(14, bekar).nota(7).nota(21).işaret(43).nota(14); },
         {0, 107, 106, 53, 159, 0, 107}},
        {"the lowest degrees do not carry their accidentals; K.Yegah's flat reaches the re above it",
         [](SesSatırı& s) { s.nota(26, -4).nota(26).nota(19); }, {203, 199, 150}},
        {"a key signature acts from its element to the line end",
         [](SesSatırı& s) { s.nota(14).makam("RAST").nota(14).nota(10); }, {106, 0, 107, 76}},
        {"kürdilihicazkar leaves tiz muhayyer alone", [](SesSatırı& s) { s.makam("KÜRDILIHICAZKAR").nota(8).nota(1); },
         {0, 67, 9}},
        {"a second signature keeps what it does not name",
         [](SesSatırı& s) { s.makam("HICAZ").makam("USSAK").nota(13).nota(10).nota(14); }, {0, 0, 98, 76, 107}},
        {"unknown codes and non-notes sound nothing",
         [](SesSatırı& s) { s.işaret(tür::donanım, 14).nota(14).işaret(tür::usul, 5).işaret(tür::sus); }, {0, 106, 0, 0}},
        {"a user-defined flat reaches all five la degrees",
         [](SesSatırı& s) {
             kullanıcıDonanımınıKaydet(s.kullanıcı, {0, 0, 0, 0, 0, 0, -4});
             s.işaret(tür::donanım, kullanıcıTanımlı).nota(1).nota(8).nota(15).nota(22).nota(29);
         },
         {0, 13, 66, 119, 172, 225}},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.durum);
        SesSatırı s;
        d.yaz(s);
        EXPECT_EQ(s.sesler(), d.sesler);
    }
}

TEST(KeySignatureTable, ListsFortyTwoMakamsInOrder) {
    auto liste = makamListesi();
    ASSERT_EQ(liste.size(), 42u);
    EXPECT_EQ(std::tuple(liste.front().ad, liste[18].ad, liste.back().kod), std::tuple("ACEMASIRAN", "KULLANICI TANIMLI", 8));
    EXPECT_EQ(std::tuple(donanımArızaları(26).size(), donanımArızaları(44).size()), std::tuple(5u, 0u));
}

TEST(UserDefinedSignature, SavingLaysOutFlatsThenSharps) {
    KullanıcıDonanımı k;
    kullanıcıDonanımınıKaydet(k, {0, 4, -4, 0, 0, 0, 0});
    EXPECT_EQ(std::tuple(k.xKaymaları[static_cast<int>(Harf::mi)], k.xKaymaları[static_cast<int>(Harf::fa)], k.genişlik,
                         kullanıcıDonanımıVar(k)),
              std::tuple(0, 12, 36, true));
}

TEST(SignatureGlyphs, HaveTheirFixedCodes) {
    for (auto [değer, glif] : {std::pair{-8, 'r'}, {-5, 'e'}, {5, '{'}, {int{bekar}, 'z'}, {3, '\0'}})
        EXPECT_EQ(donanımGlifi(değer), glif) << değer;
    EXPECT_EQ(std::tuple(harfYüksekliği(Harf::sol), harfYüksekliği(Harf::la)), std::tuple(-1, 5));
}

}  // namespace
}  // namespace selvika
