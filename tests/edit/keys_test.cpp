#include <gtest/gtest.h>

#include <tuple>

#include "edit/articulations.h"
#include "edit/keys.h"
#include "edit/slurs.h"
#include "edit/spans.h"
#include "tests/edit/edit_fixture.h"

namespace selvika {
namespace {

class Keys : public test::Düzenleme {
protected:
    TuşSonucu bas(Tuş tuş, bool shift = false, bool ctrl = false) {
        return Picture1_KeyDown(editör, durum, kullanıcı, {tuş, shift, ctrl}, true);
    }

    // The key must leave the buffer as it was and take no snapshot.
    void değiştirmez(Tuş tuş) {
        const Satır önce = satır();
        const int yedekler = halka.geriSayısı();
        EXPECT_EQ(bas(tuş), TuşSonucu::yok);
        EXPECT_EQ(satır(), önce);
        EXPECT_EQ(halka.geriSayısı(), yedekler);
    }

    EditörDurumu durum;
};

TEST_F(Keys, ShorteningASixtyFourthAndLengtheningAWholeNoteDoNothing) {
    notalar({1, 64});
    değiştirmez(Tuş::K);
    imleçKoy(satır(), 1);
    değiştirmez(Tuş::U);
    EXPECT_EQ(bas(Tuş::K), TuşSonucu::düzenlendi);
    EXPECT_EQ(e(1).süre, 2);
    EXPECT_EQ(halka.geriSayısı(), 1);
}

// A value outside a key's cycle starts it at its second step.
TEST_F(Keys, AccidentalKeysStepThroughTheirCycles) {
    notalar({4});
    const std::tuple<int, Tuş, std::vector<int>> döngüler[] = {
        {4, Tuş::B, {-5, -4, -1, 0, -5}}, {-1, Tuş::D, {4, 5, 1, 0, 4}}, {4, Tuş::N, {15, 0, 15}}};
    for (const auto& [ilk, tuş, beklenen] : döngüler) {
        e(1).arıza.arıza = static_cast<Integer>(ilk);
        std::vector<int> adımlar;
        for (std::size_t i = 0; i < beklenen.size(); ++i) bas(tuş), adımlar.push_back(e(1).arıza.arıza);
        EXPECT_EQ(adımlar, beklenen) << static_cast<int>(tuş);
    }
}

TEST_F(Keys, TheTripletKeyNeedsThreeNotesAndTheGroupKeysEnoughElements) {
    notalar({8, 8});
    imleçKoy(satır(), 1);
    değiştirmez(Tuş::rakam1);
    imleçKoy(satır(), 2);
    değiştirmez(Tuş::rakam1);
    EXPECT_EQ(kullanıcı.ikazlar, (std::vector<std::string>{"Önce notaları yazın.", "Önce notaları yazın."}));
    değiştirmez(Tuş::rakam3);
    EXPECT_EQ(kullanıcı.ikazlar.back(), "Solda yeterli nota yok !");
    değiştirmez(Tuş::F3);
    EXPECT_EQ(kullanıcı.ikazlar.back(), "solda yeterli nota yok !");
    değiştirmez(Tuş::F1);
    EXPECT_EQ(kullanıcı.ikazlar.size(), 4u) << "F1 does nothing, silently";
}

TEST_F(Keys, HomeSkipsAKeySignatureAndEndGoesToTheLast) {
    notalar({4, 4, 4});
    e(1).tür = tür::donanım;
    EXPECT_EQ(bas(Tuş::başa), TuşSonucu::imleçOynadı);
    EXPECT_EQ(imleç(satır()), 2);
    bas(Tuş::sona);
    EXPECT_EQ(imleç(satır()), 3);
    EXPECT_EQ(halka.geriSayısı(), 0) << "moving the cursor is no edit";
}

TEST_F(Keys, KeypadPlusWrapsTheTopCodeAndMinusLeavesIt) {
    notalar({64, 64});
    gurupla(1, 2);
    e(1).gurup.kiriş = 9;
    imleçKoy(satır(), 1);
    değiştirmez(Tuş::tuşTakımıEksi);
    bas(Tuş::tuşTakımıArtı);
    EXPECT_EQ(e(1).gurup.kiriş, 0);
    bas(Tuş::tuşTakımıEksi);
    EXPECT_EQ(e(1).gurup.kiriş, 2);
    for (int kod : {7, 8}) {
        e(1).gurup.kiriş = static_cast<Byte>(kod);
        bas(Tuş::tuşTakımıArtı);
        EXPECT_EQ(e(1).gurup.kiriş, kod - 6);
    }
}

TEST_F(Keys, ANoteCopiesPitchAndSizeAndGoesAfterTheCursor) {
    notalar({4, 4, 4});
    e(2).tür = 20;
    e(2).boyut = 15;
    imleçKoy(satır(), 2);
    EXPECT_EQ(bas(Tuş::tuşTakımı4), TuşSonucu::düzenlendi);
    ASSERT_EQ(satır().elemanSayısı, 4);
    EXPECT_EQ(std::tuple(e(3).tür, e(3).boyut, e(3).süre, sapHarfi(e(3)), e(3).genişlik), std::tuple(20, 15, 8, sapDik, 18));
    EXPECT_EQ(e(4).tür, 12) << "the old third element moved right";
    EXPECT_EQ(std::tuple(imleç(satır()), durum.sonDüzenlenen, halka.geriSayısı()), std::tuple(3, 3, 1));
}

TEST_F(Keys, ANoteOnAnEmptyLineIsAMiddleQuarterOfFullSize) {
    bas(Tuş::tuşTakımı5);
    ASSERT_EQ(satır().elemanSayısı, 1);
    EXPECT_EQ(std::tuple(e(1).tür, e(1).boyut, sapHarfi(e(1))), std::tuple(14, 30, sapPes));
}

TEST_F(Keys, NotesAreNotWrittenInsideAGroupOrATripletOrAFullLine) {
    notalar({8, 8, 8});
    gurupla(1, 3);
    imleçKoy(satır(), 2);
    değiştirmez(Tuş::tuşTakımı4);
    EXPECT_EQ(kullanıcı.metinler().back(), "gurup içine yazılamaz");
    satır().elemanSayısı = enFazlaEleman;
    değiştirmez(Tuş::tuşTakımı4);
    EXPECT_EQ(kullanıcı.metinler().back(), "satır doldu");
}

TEST_F(Keys, SpaceAppendsTheChosenBarLine) {
    notalar({4});
    imleçKoy(satır(), 0);
    bas(Tuş::boşluk);
    durum.çizgiTürü = 45;
    bas(Tuş::boşluk);
    EXPECT_EQ(std::tuple(e(2).tür, e(2).genişlik, e(3).tür, imleç(satır())), std::tuple(43, 5, 45, 3));
}

TEST_F(Keys, ARestKeepsNoDotsOrMarksAndWarnsOfItsSyllable) {
    notalar({4, 4});
    e(2).nokta = 1;
    değiştirmez(Tuş::E);
    e(2).nokta = 0;
    e(2).yay[3].durum = 3;
    değiştirmez(Tuş::E);
    e(2).yay[3].durum = 0;
    artikülasyon::puadorkDöndür(e(2));
    değiştirmez(Tuş::E);
    e(2).ayrılmış4 = 0;
    e(2).hece = 1;
    bas(Tuş::E);
    EXPECT_EQ(e(2).tür, tür::sus);
    EXPECT_EQ(e(2).hece, 0);
    EXPECT_EQ(kullanıcı.metinler().back(), "notaya bağlı hece sağa kayacaktır.");
}

TEST_F(Keys, TheDotMovesAHangingStemNoteTheMarksCycleAndTheTremoloStays) {
    notalar({8});
    bas(Tuş::nokta);
    EXPECT_EQ(std::tuple(e(1).nokta, e(1).konum.xKayma), std::tuple(1, 6));
    bas(Tuş::nokta);
    EXPECT_EQ(e(1).konum.xKayma, 0);
    std::vector<bool> puadorklar, piçikatolar;
    for (int i = 0; i < 3; ++i) {
        bas(Tuş::P);
        puadorklar.push_back(artikülasyon::puadorkVar(e(1)));
        piçikatolar.push_back(artikülasyon::piçikatoVar(e(1)));
    }
    EXPECT_EQ(puadorklar, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(piçikatolar, (std::vector<bool>{false, true, false}));
    e(1).ayrılmış4 = artikülasyon::puadork | artikülasyon::piçikato;
    değiştirmez(Tuş::P);
    EXPECT_EQ(bas(Tuş::T), TuşSonucu::düzenlendi);
    EXPECT_TRUE(artikülasyon::tremolo(e(1)));
    değiştirmez(Tuş::T);  // puts, never takes away
}

TEST_F(Keys, OtherModesRefuseTheKeysAndNumLockOffOnlyWarns) {
    notalar({4});
    durum.mod = DüzenModu::hece;
    değiştirmez(Tuş::K);
    EXPECT_EQ(kullanıcı.metinler().back(), "Hece modundasınız.");
    durum.mod = DüzenModu::nota;
    Picture1_KeyDown(editör, durum, kullanıcı, {Tuş::K}, false);
    EXPECT_EQ(kullanıcı.metinler().back(), numLockUyarısı);
    EXPECT_EQ(e(1).süre, 8);
}

TEST_F(Keys, DeletingTheLastElementSelectsTheNewLast) {
    notalar({4, 8, 16});
    bas(Tuş::sil);
    EXPECT_EQ(std::tuple(satır().elemanSayısı, imleç(satır())), std::tuple(2, 2));
}

TEST_F(Keys, TheCaptionShowsTheCursorWhileCapsLockIsOn) {
    notalar({8, 8, 8});
    e(2).triole.trioleYeri = 2;
    imleçKoy(satır(), 2);
    EXPECT_EQ(imleçBaşlığı(satır(), true), "2  nolu eleman:   Triole poz.2");
    EXPECT_EQ(imleçBaşlığı(satır(), false), "Selvika V1531");
}

TEST_F(Keys, APickedSlurHandleTakesTheArrowKeysUntilItsSlurIsGone) {
    notalar({4, 4, 4});
    ASSERT_TRUE(liezonYap(satır(), 1, 3, kullanıcı));
    const Integer h = yeniYayYüksekliği(1, 3);
    durum.tutamak = YayTutamağı{{1, 3, 1}, TutamakTürü::yay};
    EXPECT_EQ(bas(Tuş::yukarı), TuşSonucu::düzenlendi) << "a hanging stem: the curve runs over the heads";
    EXPECT_EQ(e(1).yay[1].yayYükseklik, h);
    EXPECT_EQ(e(3).yay[1].yayYükseklik, h + 1);
    EXPECT_EQ(e(3).tür, 12) << "the note stays where it is";
    std::get<YayTutamağı>(*durum.tutamak).tür = TutamakTürü::orta;
    bas(Tuş::aşağı);
    EXPECT_EQ(e(1).yay[1].yayYükseklik, h - 1);
    EXPECT_EQ(e(3).yay[1].yayYükseklik, h);
    değiştirmez(Tuş::sol);
    yayiptal(satır(), 2, 1);
    EXPECT_EQ(bas(Tuş::yukarı), TuşSonucu::düzenlendi);
    EXPECT_EQ(e(3).tür, 11);
    EXPECT_FALSE(durum.tutamak);
}

TEST_F(Keys, APickedLabelMovesItsPartOneUnitSideways) {
    notalar({4, 4});
    e(1).arıza.arıza = -1;
    e(2).hece = 1;
    durum.tutamak = EtiketTutamağı{1, EtiketParçası::arıza};
    EXPECT_EQ(bas(Tuş::sol), TuşSonucu::düzenlendi);
    EXPECT_EQ(e(1).arıza.arızaAyarı, -1);
    değiştirmez(Tuş::yukarı);
    durum.tutamak = EtiketTutamağı{2, EtiketParçası::hece};
    bas(Tuş::sağ);
    bas(Tuş::sağ);
    EXPECT_EQ(e(2).heceAyarı, 2);
    değiştirmez(Tuş::aşağı);
    e(2).hece = 0;
    bas(Tuş::sağ);
    EXPECT_EQ(e(2).heceAyarı, 2) << "a label whose part is gone is let go, and the key goes to the notes";
    EXPECT_FALSE(durum.tutamak);
}

}  // namespace
}  // namespace selvika
