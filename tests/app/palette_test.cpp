#include <algorithm>
#include <tuple>

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/palette.h"
#include "core/stop_flag.h"
#include "edit/cursor.h"
#include "tests/app/window_fixture.h"
#endif

using namespace selvika;

namespace {

// A score that starts with no makam and no usul leaves none chosen.
// Line 1 without its key signature and usul: nothing is chosen in the lists.
void birinciSatırİşaretsiz(Eser& eser) {
    Satır& s = eser.satırlar[1];
    std::copy(s.elemanlar.begin() + 3, s.elemanlar.begin() + s.elemanSayısı + 1, s.elemanlar.begin() + 1);
    s.elemanSayısı -= 2;
}

}  // namespace

class PaletteTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void modifiersChooseTheFormOfThePendingAccidental();
    void clickOnANoteAppliesThePendingAccidental();
    void clickBesideEveryNoteChangesNothing();
    void keySignatureCellNeedsAMakamAndPlacesItOnce();
    void usulCellNeedsAnUsulAndRoom();
    void restToolPlacesRestsIntoGapsUntilPutAway();
    void barLineToolChoosesTheKindOfSpace();
    void clickOnAnElementMakesItTheCursor();
    void plainKeyOnTheWindowGoesToTheLine();
    void escapeAnywhereRaisesTheStopFlag();
    void quickCorrectionChangesTheCursorElement();

private:
    ElemanPaleti* palet() { return static_cast<ElemanPaleti*>(k->bul<QWidget>("Picture2")); }
    QWidget* resim() { return k->bul<QWidget>("Picture1"); }
    Satır& tampon() { return k->pencere.editör().tampon(); }
    // The first note of the buffer and the x of its centre.
    std::pair<int, int> ilkNota();
    void düğme(const char* ad) { k->bul<QPushButton>(ad)->click(); }
    // Cells 0..6 are the rests from the whole on, 7.. the bar lines.
    void araçHücresi(int i) {
        const QPoint yer(i * ElemanPaleti::araçGenişliği + 5, ElemanPaleti::araçÜstü + 5);
        QTest::mouseClick(palet(), Qt::LeftButton, {}, yer);
    }
    // The gap right of element j, of the last one by default.
    QPoint sondakiBoşluk(int j = 0) {
        const Eleman& e = tampon().elemanlar[j > 0 ? j : tampon().elemanSayısı];
        return {e.konum.x + e.konum.xKayma + e.genişlik + 4, 100};
    }

    std::unique_ptr<test::PencereKurulumu> k;
};

void PaletteTest::init() {
    k = std::make_unique<test::PencereKurulumu>();
    k->pencere.show();
    k->örnekEseriAç();
}

void PaletteTest::cleanup() { k.reset(); }

std::pair<int, int> PaletteTest::ilkNota() {
    for (int j = 1; j <= tampon().elemanSayısı; ++j) {
        const Eleman& e = tampon().elemanlar[j];
        if (e.nota()) return {j, e.konum.x + e.konum.xKayma + e.genişlik / 2};
    }
    return {0, 0};
}

// Shift: in parentheses, Ctrl: with a natural, both: refused.
void PaletteTest::modifiersChooseTheFormOfThePendingAccidental() {
    QCOMPARE(palet()->bekleyen(), Integer(0));
    const std::tuple<Qt::KeyboardModifiers, int, int> tıklamalar[] = {{Qt::ShiftModifier, 30, -5 * 16},
                                                                     {Qt::ControlModifier, 250, 8 * 256},
                                                                     {Qt::ShiftModifier | Qt::ControlModifier, 30, -5}};
    for (const auto& [tuşlar, x, bekleyen] : tıklamalar) {
        QTest::mouseClick(palet(), Qt::LeftButton, tuşlar, QPoint(x, 10));
        QCOMPARE(int(palet()->bekleyen()), bekleyen);
    }
    QCOMPARE(k->etkileşim.ikazlar, std::vector<std::string>{"hem parantez hem bekar işaretini birlikte kullanamazsınız"});
}

void PaletteTest::clickOnANoteAppliesThePendingAccidental() {
    QVERIFY(!k->pencere.editör().geriAlınabilir());
    QTest::mouseClick(palet(), Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 10));
    const auto [j, merkez] = ilkNota();
    QVERIFY(j > 0);
    QTest::mouseClick(resim(), Qt::LeftButton, {}, QPoint(merkez + 7, 100));
    const ArızaBloğu& a = tampon().elemanlar[j].arıza;
    QCOMPARE(a.arıza, Integer(-5));
    QVERIFY(static_cast<bool>(a.parantezli));
    QVERIFY(!static_cast<bool>(a.bekarlı));
    QCOMPARE(palet()->bekleyen(), Integer(0));
    QVERIFY(k->pencere.editör().değişti());
    QVERIFY(k->pencere.editör().geriAlınabilir());
}

void PaletteTest::clickBesideEveryNoteChangesNothing() {
    QTest::mouseClick(palet(), Qt::LeftButton, {}, QPoint(140, 10));
    const Satır önce = tampon();
    QTest::mouseClick(resim(), Qt::LeftButton, {}, QPoint(2, 100));
    QVERIFY(tampon() == önce);
    QCOMPARE(palet()->bekleyen(), Integer(1));
    QVERIFY(!k->pencere.editör().geriAlınabilir());
}

void PaletteTest::keySignatureCellNeedsAMakamAndPlacesItOnce() {
    k->örnekEseriAç(birinciSatırİşaretsiz);
    const int sayı = tampon().elemanSayısı;
    const QPoint donanımHücresi(10, ElemanPaleti::hücreÜstü + 5);
    QTest::mouseClick(palet(), Qt::LeftButton, {}, donanımHücresi);
    QCOMPARE(k->etkileşim.metinler(), std::vector<std::string>{"bir makam seçin"});
    QVERIFY(!palet()->araç());
    k->bul<QAction>("Mn_donanım")->trigger();
    auto* liste = k->bul<QListWidget>("List1");
    QVERIFY(liste->isVisible());
    QCOMPARE(liste->item(30)->text(), QString("RAST"));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(0)).center());
    QTest::mouseClick(palet(), Qt::LeftButton, {}, donanımHücresi);
    QCOMPARE(int(tampon().elemanSayısı), sayı);
    QTest::mouseClick(resim(), Qt::LeftButton, {}, sondakiBoşluk(3));
    QCOMPARE(int(tampon().elemanSayısı), sayı + 1);
    QCOMPARE(tampon().elemanlar[4].tür, tür::donanım);
    QCOMPARE(tampon().elemanlar[4].usulNo, Byte(18));
    QVERIFY(k->pencere.editör().geriAlınabilir());
    QTest::mouseClick(resim(), Qt::LeftButton, {}, sondakiBoşluk(4));
    QCOMPARE(int(tampon().elemanSayısı), sayı + 1);
    QCOMPARE(k->etkileşim.ikazlar, std::vector<std::string>{"burada zaten bir donanım var"});
}

void PaletteTest::usulCellNeedsAnUsulAndRoom() {
    k->örnekEseriAç(birinciSatırİşaretsiz);
    const QPoint usulHücresi(ElemanPaleti::hücreGenişliği + 10, ElemanPaleti::hücreÜstü + 5);
    const int sayı = tampon().elemanSayısı;
    QTest::mouseClick(palet(), Qt::LeftButton, {}, usulHücresi);
    QCOMPARE(k->etkileşim.metinler(), std::vector<std::string>{"bir usul seçin"});
    QCOMPARE(int(tampon().elemanSayısı), sayı);
    k->bul<QAction>("Mn_Usul")->trigger();
    auto* liste = k->bul<QListWidget>("List2");
    QTest::mousePress(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(15)).center());
    QTest::mouseClick(palet(), Qt::LeftButton, {}, usulHücresi);
    QTest::mouseClick(resim(), Qt::LeftButton, {}, sondakiBoşluk());
    const Eleman& usul = tampon().elemanlar[sayı + 1];
    QCOMPARE(usul.tür, tür::usul);
    QCOMPARE(usul.usulNo, Byte(15));
    QVERIFY(usul.genişlik > 0);
    tampon().elemanSayısı = enFazlaEleman;
    QTest::mouseClick(resim(), Qt::LeftButton, {}, sondakiBoşluk());
    QCOMPARE(int(tampon().elemanSayısı), enFazlaEleman);
    QCOMPARE(k->etkileşim.ikazlar, std::vector<std::string>{"satır doldu"});
}

void PaletteTest::restToolPlacesRestsIntoGapsUntilPutAway() {
    const int sayı = tampon().elemanSayısı;
    const Qt::CursorShape tercihİmleci = resim()->cursor().shape();
    araçHücresi(3);
    QVERIFY(palet()->araç().has_value());
    QCOMPARE(resim()->cursor().shape(), Qt::CrossCursor);
    const QImage görünüş = palet()->grab().toImage();
    auto köşe = [&görünüş](int i) { return görünüş.pixelColor(i * ElemanPaleti::araçGenişliği + 1, ElemanPaleti::araçÜstü + 1); };
    QVERIFY2(köşe(3) == Qt::black && köşe(4) == Qt::white, "the chosen cell is drawn pressed, the others not");
    QTest::mouseClick(resim(), Qt::LeftButton, {}, sondakiBoşluk());
    QCOMPARE(int(tampon().elemanSayısı), sayı + 1);
    QCOMPARE(tampon().elemanlar[sayı + 1].tür, tür::sus);
    QCOMPARE(tampon().elemanlar[sayı + 1].süre, Byte(8));
    QVERIFY2(tampon().elemanlar[sayı + 1].konum.x > tampon().elemanlar[sayı].konum.x,
             "the redraw lays the buffer out, so the next click finds the rest where it stands");
    QVERIFY(k->pencere.editör().geriAlınabilir());
    k->bul<QAbstractButton>("Option1_3")->click();
    QCOMPARE(resim()->cursor().shape(), tercihİmleci);
    QTest::mouseClick(resim(), Qt::LeftButton, {}, sondakiBoşluk());
    QCOMPARE(int(tampon().elemanSayısı), sayı + 1);
    k->bul<QAbstractButton>("Option1_7")->click();
    QCOMPARE(resim()->cursor().shape(), Qt::CrossCursor);
    araçHücresi(3);
    QVERIFY(!palet()->araç().has_value());
    QCOMPARE(resim()->cursor().shape(), tercihİmleci);
    QTest::mouseClick(resim(), Qt::LeftButton, {}, sondakiBoşluk());
    QCOMPARE(int(tampon().elemanSayısı), sayı + 1);
}

void PaletteTest::barLineToolChoosesTheKindOfSpace() {
    araçHücresi(9);
    QTest::keyClick(resim(), Qt::Key_Space);
    const Satır& satır = tampon();
    QCOMPARE(satır.elemanlar[satır.elemanSayısı].tür, Byte(34));
    araçHücresi(9);
    QTest::keyClick(resim(), Qt::Key_Space);
    QCOMPARE(satır.elemanlar[satır.elemanSayısı].tür, Byte(43));
}

void PaletteTest::clickOnAnElementMakesItTheCursor() {
    const auto [j, merkez] = ilkNota();
    QTest::mouseClick(resim(), Qt::LeftButton, {}, QPoint(merkez, 100));
    QCOMPARE(imleç(tampon()), j);
    QVERIFY(!k->pencere.editör().geriAlınabilir());
}

void PaletteTest::plainKeyOnTheWindowGoesToTheLine() {
    const int sayı = tampon().elemanSayısı;
    QTest::keyClick(&k->pencere, Qt::Key_Space, Qt::ShiftModifier);
    QCOMPARE(int(tampon().elemanSayısı), sayı);
    QTest::keyClick(&k->pencere, Qt::Key_Space);
    QCOMPARE(int(tampon().elemanSayısı), sayı + 1);
    QTest::keyClick(&k->pencere, Qt::Key_F12);
    QCOMPARE(int(tampon().elemanSayısı), sayı + 1);
}

void PaletteTest::escapeAnywhereRaisesTheStopFlag() {
    durdurmaBayrağı().indir();
    QTest::keyClick(palet(), Qt::Key_Escape);
    QVERIFY(durdurmaBayrağı().kalktı());
    durdurmaBayrağı().indir();
}

void PaletteTest::quickCorrectionChangesTheCursorElement() {
    const auto [j, merkez] = ilkNota();
    Eleman& e = tampon().elemanlar[j];
    e.imleç = 1;
    const Byte perde = e.tür;
    const Integer arıza = e.arıza.arıza;
    auto* çerçeve = k->bul<QWidget>("HızlıDüzeltmeler");
    e.tür = 1;  // the highest pitch: a refused correction changes nothing
    const Satır önce = tampon();
    düğme("düzelt_dahatiz_0");
    QVERIFY(tampon() == önce);
    QVERIFY(çerçeve->isVisible());
    QVERIFY(!k->pencere.editör().geriAlınabilir());
    QVERIFY(!k->pencere.editör().değişti());
    e.tür = perde;
    düğme("düzelt_dahatiz_0");
    QCOMPARE(e.tür, Byte(perde - 1));
    QVERIFY(!çerçeve->isVisible());
    QVERIFY(k->pencere.editör().geriAlınabilir());
    düğme("düzelt_dahapest_1");
    QCOMPARE(e.arıza.arıza, Integer(arıza - 1));
    düğme("düzelt_dahatiz_2");
    QCOMPARE(e.arıza.mikroton, Integer(1));
    QTest::mouseClick(resim(), Qt::LeftButton, {}, QPoint(merkez, 100));
    QVERIFY(çerçeve->isVisible());
}

QTEST_MAIN(PaletteTest)
#include "palette_test.moc"
