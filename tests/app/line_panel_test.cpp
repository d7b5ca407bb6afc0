#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>
#include <QtTest>
#include <tuple>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/line_panel.h"
#include "tests/app/window_fixture.h"
#endif

using namespace selvika;

class LinePanelTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void beforeAScoreNoLineIsShown();
    void openingShowsLineOne();
    void previewsHideBeyondTheFirstAndLastLines();
    void slidersShowTheBufferWithoutEditing();
    void beamTighteningSliderEditsAndRedrawsTheLine();
    void lineEndPickerSetsTheKindOfTheLine();
    void undoAndRedoFollowTheCounts();
    void storeButtonPutsTheBufferIntoTheScore();
    void leavingAChangedLineAsksToStore();
    void discardHintShowsAndHides();
    void everyWayOffAChangedLineAsksFirst_data();
    void everyWayOffAChangedLineAsksFirst();
    void openingChoosesTheMakamAndUsulOfLineOne();
    void saveAsHasItsShortcut();

private:
    template <class T>
    T* bul(const char* ad) { return k->bul<T>(ad); }
    QScrollBar* VScroll1() { return bul<QScrollBar>("VScroll1"); }
    void düğmelerSayılarıİzler();

    std::unique_ptr<test::PencereKurulumu> k;
};

void LinePanelTest::init() {
    k = std::make_unique<test::PencereKurulumu>();
    k->pencere.show();
}

void LinePanelTest::cleanup() { k.reset(); }

void LinePanelTest::beforeAScoreNoLineIsShown() {
    QCOMPARE(VScroll1()->maximum(), 0);
    QVERIFY(bul<QWidget>("SatırPaneli")->isHidden());
    QVERIFY(!bul<QPushButton>("Command26_0")->isEnabled());
    QVERIFY(!bul<QPushButton>("Command26_1")->isEnabled());
}

void LinePanelTest::openingShowsLineOne() {
    k->örnekEseriAç();
    QCOMPARE(VScroll1()->minimum(), 1);
    QCOMPARE(VScroll1()->maximum(), 126);
    QCOMPARE(VScroll1()->value(), 1);
    QCOMPARE(k->pencere.editör().satırNo(), 1);
    QCOMPARE(bul<QLineEdit>("SatırNo")->text(), QString("1"));
    QVERIFY(!bul<QWidget>("SatırPaneli")->isHidden());
    QCOMPARE(k->pencere.editör().tampon().elemanSayısı, k->pencere.oturum().eser().satırlar[1].elemanSayısı);
}

// No line above line 1, and the lower preview shows the next two lines.
void LinePanelTest::previewsHideBeyondTheFirstAndLastLines() {
    k->örnekEseriAç();
    for (auto [satır, üstGizli, altGizli] : {std::tuple{1, true, false}, {2, false, false}, {124, false, false},
                                            {125, false, true}, {126, false, true}}) {
        VScroll1()->setValue(satır);
        QCOMPARE(k->pencere.editör().satırNo(), satır);
        QVERIFY2(bul<QWidget>("ÜstÖnizleme")->isHidden() == üstGizli, qPrintable(QString::number(satır)));
        QVERIFY2(bul<QWidget>("AltÖnizleme")->isHidden() == altGizli, qPrintable(QString::number(satır)));
    }
}

void LinePanelTest::slidersShowTheBufferWithoutEditing() {
    k->örnekEseriAç();
    const Satır& tampon = k->pencere.editör().tampon();
    QCOMPARE(bul<QSlider>("ayar1")->value(), int(tampon.ayar1));
    QCOMPARE(bul<QSlider>("ayar2")->value(), int(tampon.ayar2));
    QCOMPARE(bul<QSlider>("ayar3")->value(), int(tampon.ayar3));
    QCOMPARE(bul<QSlider>("ayar4")->value(), int(tampon.ayar4));
    QCOMPARE(bul<QSlider>("HeceSürgüsü")->value(), int(tampon.heceKayması));
    QVERIFY(!k->pencere.editör().değişti());
    QVERIFY(!k->pencere.oturum().değişti());
}

void LinePanelTest::beamTighteningSliderEditsAndRedrawsTheLine() {
    k->örnekEseriAç();
    Satır& tampon = k->pencere.editör().tampon();
    const int j = 4;
    tampon.elemanlar[j].gurup.kiriş = 6;  // beamed with thirty-seconds
    const int önce = tampon.elemanlar[j + 1].konum.x - tampon.elemanlar[j].konum.x;
    bul<QSlider>("ayar4")->setValue(2);
    QCOMPARE(tampon.ayar4, Byte(2));
    QVERIFY(k->pencere.editör().değişti());
    QVERIFY(tampon.elemanlar[j + 1].konum.x - tampon.elemanlar[j].konum.x < önce);
    bul<QPushButton>("Command2")->click();
    QCOMPARE(k->pencere.oturum().eser().satırlar[1].ayar4, Byte(2));
    VScroll1()->setValue(2);
    QCOMPARE(bul<QSlider>("ayar4")->value(), int(k->pencere.oturum().eser().satırlar[2].ayar4));
    VScroll1()->setValue(1);
    QCOMPARE(bul<QSlider>("ayar4")->value(), 2);
}

void LinePanelTest::lineEndPickerSetsTheKindOfTheLine() {
    k->örnekEseriAç();
    const Satır& tampon = k->pencere.editör().tampon();
    QCOMPARE(tampon.satırSonu, Byte(1));
    QVERIFY(bul<QToolButton>("SatırSonu1")->isChecked());
    bul<QToolButton>("SatırSonu5")->click();
    QCOMPARE(tampon.satırSonu, Byte(5));
    QVERIFY(k->pencere.editör().değişti());
    QVERIFY(k->pencere.editör().geriAlınabilir());
    QVERIFY(!bul<QToolButton>("SatırSonu1")->isChecked());
    bul<QToolButton>("SatırSonu6")->click();
    QCOMPARE(tampon.satırSonu, Byte(6));
    QVERIFY(!bul<QToolButton>("SatırSonu5")->isChecked());
    bul<QPushButton>("Command26_0")->click();
    QCOMPARE(tampon.satırSonu, Byte(5));
    QVERIFY(bul<QToolButton>("SatırSonu5")->isChecked());
}

void LinePanelTest::düğmelerSayılarıİzler() {
    QCOMPARE(bul<QPushButton>("Command26_0")->isEnabled(), k->pencere.editör().geriAlınabilir());
    QCOMPARE(bul<QPushButton>("Command26_1")->isEnabled(), k->pencere.editör().yinelenebilir());
}

void LinePanelTest::undoAndRedoFollowTheCounts() {
    k->örnekEseriAç();
    düğmelerSayılarıİzler();
    QVERIFY(!bul<QPushButton>("Command26_0")->isEnabled());
    bul<QSlider>("ayar1")->setValue(90);
    bul<QSlider>("HeceSürgüsü")->setValue(100);
    QCOMPARE(k->pencere.editör().tampon().ayar1, Integer(90));
    QVERIFY(k->pencere.editör().değişti());
    düğmelerSayılarıİzler();
    QVERIFY(bul<QPushButton>("Command26_0")->isEnabled());
    bul<QPushButton>("Command26_0")->click();
    düğmelerSayılarıİzler();
    QCOMPARE(bul<QSlider>("HeceSürgüsü")->value(), int(k->pencere.editör().tampon().heceKayması));
    QCOMPARE(bul<QSlider>("ayar1")->value(), 90);
    bul<QPushButton>("Command26_0")->click();
    düğmelerSayılarıİzler();
    QVERIFY(!bul<QPushButton>("Command26_0")->isEnabled());
    QVERIFY(bul<QPushButton>("Command26_1")->isEnabled());
    bul<QPushButton>("Command26_1")->click();
    düğmelerSayılarıİzler();
    QCOMPARE(bul<QSlider>("ayar1")->value(), 90);
}

void LinePanelTest::storeButtonPutsTheBufferIntoTheScore() {
    k->örnekEseriAç();
    bul<QSlider>("ayar3")->setValue(70);
    bul<QPushButton>("Command2")->click();
    QCOMPARE(k->pencere.oturum().eser().satırlar[1].ayar3, Integer(70));
    QVERIFY(!k->pencere.editör().değişti());
    QVERIFY(!k->pencere.oturum().değişti());
}

void LinePanelTest::leavingAChangedLineAsksToStore() {
    k->örnekEseriAç();
    bul<QSlider>("ayar2")->setValue(700);
    k->etkileşim.mesajlar.clear();
    k->etkileşim.cevaplar.push_back(Cevap::hayır);
    bul<QToolButton>("KapatResmi")->click();
    QVERIFY(bul<QWidget>("SatırPaneli")->isHidden());
    for (const char* araç : {"Picture2", "HızlıDüzeltmeler", "AralıkAraçları"})
        QVERIFY2(!bul<QWidget>(araç)->isVisible(), araç);
    QCOMPARE(k->etkileşim.mesajlar.size(), std::size_t(1));
    QCOMPARE(k->etkileşim.mesajlar[0].metin,
             std::string("satırda değişiklikler yaptınız, bu satırdan çıkmadan önce bu değişiklikleri\n"
                         " kaydetmek istiyor musunuz ?"));
    QCOMPARE(k->etkileşim.mesajlar[0].başlık, std::string("kayıt onayı"));
    QVERIFY(k->etkileşim.mesajlar[0].düğmeler == Düğmeler::evetHayır);
    QCOMPARE(k->pencere.oturum().eser().satırlar[1].ayar2, test::örnekEser()->satırlar[1].ayar2);
}

void LinePanelTest::discardHintShowsAndHides() {
    k->örnekEseriAç();
    k->etkileşim.mesajlar.clear();
    auto* vazgeç = bul<QPushButton>("Command12");
    QCOMPARE(vazgeç->text(), QString::fromUtf8("Vazgeç"));
    vazgeç->click();
    QVERIFY(vazgeç->isHidden());
    QCOMPARE(k->etkileşim.metinler(),
             std::vector<std::string>{"Kaydetmezseniz satırda yapılan değişiklikler geçersiz olacaktır."});
}

namespace {

// The ways off the edited line: moves, the save command, closing and a
// paste into it.
const std::function<void(test::PencereKurulumu&)> yollar[] = {
    [](test::PencereKurulumu& k) { k.bul<QScrollBar>("VScroll1")->setValue(2); },
    [](test::PencereKurulumu& k) { QTest::keyClick(&k.pencere, Qt::Key_PageDown, Qt::ControlModifier); },
    [](test::PencereKurulumu& k) {
        auto* kutu = k.bul<QLineEdit>("SatırNo");
        kutu->setText("2");
        QTest::keyClick(kutu, Qt::Key_Return);
    },
    [](test::PencereKurulumu& k) { k.bul<QAction>("Mn_kaydet")->trigger(); },
    [](test::PencereKurulumu& k) { k.pencere.close(); },
    [](test::PencereKurulumu& k) {
        auto* panel = static_cast<SatırPaneli*>(k.bul<QWidget>("SatırPaneli"));
        panel->önizlemeMenüsü(2, {});
        k.bul<QAction>("Mn_SatırKopyala")->trigger();
        panel->önizlemeMenüsü(1, {});
        k.bul<QAction>("Mn_SatıraYapıştır")->trigger();
        k.bul<QMenu>("Mn_Kendi")->hide();
    },
};

}  // namespace

void LinePanelTest::everyWayOffAChangedLineAsksFirst_data() {
    QTest::addColumn<int>("yol");
    QTest::addColumn<Cevap>("cevap");
    const char* adlar[] = {"scroll bar", "Ctrl+PgDown", "line number", "save", "close", "paste"};
    for (int yol = 0; yol < int(std::size(adlar)); ++yol) {
        QTest::addRow("%s, store", adlar[yol]) << yol << Cevap::evet;
        QTest::addRow("%s, discard", adlar[yol]) << yol << Cevap::hayır;
        QTest::addRow("%s, stay", adlar[yol]) << yol << Cevap::vazgeç;
    }
}

void LinePanelTest::everyWayOffAChangedLineAsksFirst() {
    QFETCH(int, yol);
    QFETCH(Cevap, cevap);
    k->örnekEseriAç();
    k->pencere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&k->pencere));
    bul<QSlider>("ayar3")->setValue(70);
    k->etkileşim.mesajlar.clear();
    k->etkileşim.cevaplar = {cevap, Cevap::hayır};
    yollar[yol](*k);
    QVERIFY(!k->etkileşim.mesajlar.empty());
    QCOMPARE(k->etkileşim.mesajlar[0].metin, std::string(satırdanÇıkmaSorusu));
    QCOMPARE(k->etkileşim.mesajlar[0].başlık, std::string("kayıt onayı"));
    QVERIFY(k->etkileşim.mesajlar[0].düğmeler == Düğmeler::evetHayırVazgeç);
    QCOMPARE(k->pencere.oturum().eser().satırlar[1].ayar3 == 70, cevap == Cevap::evet);
    if (cevap != Cevap::vazgeç) return;
    QCOMPARE(k->etkileşim.mesajlar.size(), std::size_t(1));
    QVERIFY(k->pencere.isVisible());
    QCOMPARE(k->pencere.editör().satırNo(), 1);
    QVERIFY(k->pencere.editör().değişti());
    QCOMPARE(VScroll1()->value(), 1);
    QCOMPARE(bul<QLineEdit>("SatırNo")->text(), QString("1"));
    QCOMPARE(bul<QSlider>("ayar3")->value(), 70);
}

void LinePanelTest::openingChoosesTheMakamAndUsulOfLineOne() {
    k->örnekEseriAç();
    QCOMPARE(bul<QAction>("Mn_donanım")->text(), QString("MAHUR"));
    QCOMPARE(bul<QListWidget>("List2")->currentRow(), 5);
    QCOMPARE(bul<QAction>("Mn_Usul")->text(), bul<QListWidget>("List2")->item(5)->text());
    k->örnekEseriAç([](Eser& eser) { eser.satırlar[1].elemanSayısı = 0; });
    QCOMPARE(bul<QAction>("Mn_donanım")->text(), QString::fromUtf8("Donanım"));
    QCOMPARE(bul<QAction>("Mn_Usul")->text(), QString("Usul"));
    QCOMPARE(bul<QListWidget>("List2")->currentRow(), -1);
}

void LinePanelTest::saveAsHasItsShortcut() {
    QCOMPARE(bul<QAction>("Mn_farklı")->shortcut(), QKeySequence("Ctrl+Shift+S"));
}

QTEST_MAIN(LinePanelTest)
#include "line_panel_test.moc"
