#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/range_buttons.h"
#include "app/range_tools.h"
#include "tests/app/window_fixture.h"
#include "tests/edit/line_builder.h"
#endif

using namespace selvika;

class RangeToolsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void buttonsCarryTheirCaptions();
    void aDragSelectsTheRangeTheChannelButtonSetsUntilTheLineIsLeft();
    void dolapModeMarksADrag();
    void markingModesReturnToNoteModeWhenSet_data();
    void markingModesReturnToNoteModeWhenSet();
    void copyThenAClickInAGapPastes();

private:
    template <class T>
    T* bul(const char* ad) { return k->bul<T>(ad); }
    Satır& tampon() { return k->pencere.editör().tampon(); }
    void sürükle(int basX, int bırakX) {
        QWidget* resim = bul<QWidget>("Picture1");
        QTest::mousePress(resim, Qt::LeftButton, {}, QPoint(basX, 60));
        QTest::mouseRelease(resim, Qt::LeftButton, {}, QPoint(bırakX, 60));
    }

    std::unique_ptr<test::PencereKurulumu> k;
};

void RangeToolsTest::init() {
    k = std::make_unique<test::PencereKurulumu>();
    k->pencere.show();
    k->örnekEseriAç();
    const Satır dizili = test::dizilmişSatır(5);  // the line keeps its margins for the redraw's layout
    tampon().elemanlar = dizili.elemanlar;
    tampon().elemanSayısı = dizili.elemanSayısı;
}

void RangeToolsTest::cleanup() { k.reset(); }

void RangeToolsTest::buttonsCarryTheirCaptions() {
    QCOMPARE(bul<QPushButton>("Command22_2")->text(), QString::fromUtf8("taşı"));
    QCOMPARE(bul<QPushButton>("Command22_7")->text(), QStringLiteral("1/2"));
    QCOMPARE(bul<QPushButton>("Command22_11")->text(), QStringLiteral("3"));
    QVERIFY(bul<QRadioButton>("Option1_7")->isChecked());
    QVERIFY(k->bul<QAction>("Mn_Hece")->isEnabled());
}

void RangeToolsTest::aDragSelectsTheRangeTheChannelButtonSetsUntilTheLineIsLeft() {
    sürükle(69, 25);
    const SeçiliAralık& seçim = bul<AralıkAraçları>("AralıkAraçları")->düğmeler().seçim;
    QCOMPARE(seçim.son, 3);
    bul<QPushButton>("Command22_10")->click();
    QCOMPARE(tampon().elemanlar[1].kanal, Byte(2));
    QCOMPARE(tampon().elemanlar[3].kanal, Byte(2));
    QCOMPARE(tampon().elemanlar[4].kanal, Byte(0));
    QVERIFY(k->pencere.editör().değişti());
    k->etkileşim.cevaplar.push_back(Cevap::hayır);  // the changed line is not stored
    bul<QScrollBar>("VScroll1")->setValue(2);
    QCOMPARE(k->pencere.editör().satırNo(), 2);
    QCOMPARE(seçim.son, 0);
}

void RangeToolsTest::dolapModeMarksADrag() {
    bul<QRadioButton>("Option1_5")->click();
    sürükle(41, 81);
    QCOMPARE(tampon().elemanlar[2].dolap.dolap, Byte(1));
    QCOMPARE(tampon().elemanlar[3].dolap.dolap, Byte(2));
    QCOMPARE(tampon().elemanlar[4].dolap.dolap, Byte(3));
    QVERIFY2(bul<QRadioButton>("Option1_7")->isChecked(), "a new score returns to note mode");
    bul<QRadioButton>("Option1_5")->click();
    const int x = tampon().elemanlar[2].konum.x;  // the redraw has laid the line out
    sürükle(x + 1, x + 5);
    QCOMPARE(k->etkileşim.ikazlar.back(), std::string("tek eleman üzerine dolap konulamaz."));
}

void RangeToolsTest::markingModesReturnToNoteModeWhenSet_data() {
    QTest::addColumn<QString>("mod");
    QTest::addColumn<bool>("dönsün");
    for (const char* mod : {"Option1_3", "Option1_4", "Option1_5"})
        for (bool dönsün : {true, false}) QTest::addRow("%s %d", mod, dönsün) << QString(mod) << dönsün;
}

void RangeToolsTest::markingModesReturnToNoteModeWhenSet() {
    QFETCH(QString, mod);
    QFETCH(bool, dönsün);
    k->pencere.oturum().eser().başlık.bayraklar.normalModaDön = dönsün;
    k->pencere.findChild<QRadioButton*>(mod)->click();
    sürükle(41, 81);
    QVERIFY(k->pencere.editör().değişti());
    QCOMPARE(bul<QRadioButton>("Option1_7")->isChecked(), dönsün);
    QCOMPARE(k->pencere.findChild<QRadioButton*>(mod)->isChecked(), !dönsün);
}

void RangeToolsTest::copyThenAClickInAGapPastes() {
    for (int j = 1; j <= 5; ++j) tampon().elemanlar[j].tür = static_cast<Byte>(j);
    sürükle(21, 29);
    QCOMPARE(bul<AralıkAraçları>("AralıkAraçları")->pano().hazır, false);
    sürükle(21, 49);
    bul<QPushButton>("Command22_1")->click();
    QVERIFY(bul<AralıkAraçları>("AralıkAraçları")->pano().hazır);
    QCOMPARE(bul<QWidget>("Picture1")->cursor().shape(), Qt::DragCopyCursor);
    const Eleman& son = tampon().elemanlar[5];  // where the redraw has laid it out
    QTest::mouseClick(bul<QWidget>("Picture1"), Qt::LeftButton, {}, QPoint(son.konum.x + son.genişlik + 4, 60));
    QCOMPARE(int(tampon().elemanSayısı), 7);
    QCOMPARE(tampon().elemanlar[6].tür, Byte(1));
    QCOMPARE(tampon().elemanlar[7].tür, Byte(2));
}

QTEST_MAIN(RangeToolsTest)
#include "range_tools_test.moc"
