#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/plan_property_list.h"
#include "rhythm/usul_library.h"
#include "tests/app/window_fixture.h"
#endif

using namespace selvika;

namespace {

// A chart cell's middle, the charts drawing their units two pixels wide.
QPoint hücre(int satır, int sütun) { return QPoint(sütun * 34 + 17, satır * 34 + 17); }

}  // namespace

class PerformanceTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void aShortFirstLineKeepsEditMode();
    void performanceModeSwitchesMenusAndLocksTheLine();
    void aMarkedRangeBecomesANamedPassageWhoseMarksAreWrittenOnLeaving();
    void listButtonsTakeTheChecksWithTheirPassages();
    void rowsEditThroughMenusAndCharts();
    void volumeSlidersStoreOnOkOnly();
    void usulAndCesniChoices();
    void linePlayRowsEditTheLinePlayRecord();
    void renderWritesTheCheckedPassagesAsWav();
    void escStopsARendering();

private:
    template <class T>
    T* bul(const char* ad) { return k->bul<T>(ad); }
    Eser& eser() { return k->pencere.oturum().eser(); }
    Pasaj& pasaj(int n) { return eser().başlık.pasajlar[n]; }
    ÖzellikListesi* List3() { return bul<ÖzellikListesi>("List3"); }
    QString satır(int i) { return List3()->item(i)->text(); }
    void icra() { bul<QAction>("Mn_icra")->trigger(); }

    std::unique_ptr<test::PencereKurulumu> k;
};

void PerformanceTest::init() {
    k = std::make_unique<test::PencereKurulumu>();
    k->pencere.show();
    k->örnekEseriAç(test::planlıÖrnek);
}

void PerformanceTest::cleanup() { k.reset(); }

void PerformanceTest::aShortFirstLineKeepsEditMode() {
    eser().satırlar[1].elemanSayısı = 9;
    k->pencere.editör().satıraGit(1);
    icra();
    QCOMPARE(k->etkileşim.metinler().back(), std::string("eserin ilk satırında yeterli nota yok."));
    QVERIFY(!bul<QAction>("Mn_icra")->isChecked());
    QVERIFY(!bul<QWidget>("İcraPaneli")->isVisible());
}

void PerformanceTest::performanceModeSwitchesMenusAndLocksTheLine() {
    icra();
    QVERIFY(bul<QAction>("Mn_icra")->isChecked());
    QVERIFY(bul<QWidget>("İcraPaneli")->isVisible());
    auto* liste = bul<QListWidget>("List4");
    QCOMPARE(liste->count(), 1);
    QCOMPARE(liste->item(0)->data(Qt::UserRole).toInt(), 1);
    QCOMPARE(satır(0), QString("  ADI : Zemin"));
    QVERIFY(!bul<QAction>("Mn_donanım")->isEnabled());
    QVERIFY(bul<QAction>("Mn_Enst_KANUN")->isEnabled());
    QVERIFY(!bul<QPushButton>("Command2")->isEnabled());
    QVERIFY(!bul<QWidget>("Picture4")->isEnabled());
    const int önce = k->pencere.editör().tampon().elemanSayısı;
    QTest::keyClick(bul<QWidget>("Picture1"), Qt::Key_5, Qt::KeypadModifier);
    QCOMPARE(int(k->pencere.editör().tampon().elemanSayısı), önce);
    bul<QPushButton>("But_icraBitir")->click();
    QVERIFY(!bul<QAction>("Mn_icra")->isChecked());
    QVERIFY(bul<QAction>("Mn_donanım")->isEnabled());
    QVERIFY(bul<QPushButton>("Command2")->isEnabled());
}

void PerformanceTest::aMarkedRangeBecomesANamedPassageWhoseMarksAreWrittenOnLeaving() {
    icra();
    const Satır& t = k->pencere.editör().tampon();
    QWidget* resim = bul<QWidget>("Picture1");
    const auto sürükle = [&](int ilk, int son, Qt::KeyboardModifiers tuşlar) {
        QTest::mousePress(resim, Qt::LeftButton, tuşlar, QPoint(t.elemanlar[ilk].konum.x + 2, 60));
        QTest::mouseRelease(resim, Qt::LeftButton, tuşlar, QPoint(t.elemanlar[son].konum.x + 2, 60));
        QVERIFY(bul<QMenu>("Mn_Pasaj")->isVisible());
        bul<QMenu>("Mn_Pasaj")->hide();
    };
    sürükle(4, 6, {});
    sürükle(8, 8, {});  // a new range
    bul<QScrollBar>("VScroll1")->setValue(2);
    sürükle(3, 5, Qt::ShiftModifier);  // stretched to line 2
    k->etkileşim.girdiler.push_back("Giriş");
    bul<QAction>("Mn_Yeni_isim_27")->trigger();
    QCOMPARE(k->etkileşim.metinler().back(), std::string("Bu pasaja bir isim verin."));
    QCOMPARE(int(eser().başlık.pasajSayısı), 2);
    QCOMPARE(pasaj(2).ad.trimmed(), std::string("Giriş"));
    QCOMPARE(std::tuple(int(pasaj(2).başlangıçSatırı), int(pasaj(2).başlangıçElemanı), int(pasaj(2).bitişSatırı),
                        int(pasaj(2).bitişElemanı)),
             std::tuple(1, 8, 2, 5));
    QCOMPARE(bul<QListWidget>("List4")->currentItem()->data(Qt::UserRole).toInt(), 2);
    QCOMPARE(satır(0), QString::fromUtf8("  ADI : Giriş"));
    icra();
    QCOMPARE(int(eser().satırlar[1].pasajİşaretleri[8][0]), 2);
    QCOMPARE(int(eser().satırlar[2].pasajİşaretleri[5][0]), 2 + 128);
}

void PerformanceTest::listButtonsTakeTheChecksWithTheirPassages() {
    icra();
    auto* liste = bul<QListWidget>("List4");
    const auto işaretli = [liste](int i) { return liste->item(i)->checkState() == Qt::Checked; };
    bul<QPushButton>("But_icraKopyala")->click();
    QCOMPARE(liste->count(), 2);
    pasaj(2).ad = Text<16>("Kopya");
    liste->item(1)->setCheckState(Qt::Checked);
    bul<QPushButton>("But_icraYukarı")->click();
    QCOMPARE(pasaj(1).ad.trimmed(), std::string("Kopya"));
    QCOMPARE(std::pair(işaretli(0), işaretli(1)), std::pair(true, false));
    QCOMPARE(liste->currentRow(), 0);
    bul<QPushButton>("But_icraAşağı")->click();
    bul<QPushButton>("But_icraDelete")->click();
    QCOMPARE(liste->count(), 1);
    QCOMPARE(liste->item(0)->text(), QString("Zemin"));
    QVERIFY(!işaretli(0));
    bul<QPushButton>("But_icraTemizle")->click();
    QCOMPARE(liste->count(), 0);
    bul<QPushButton>("But_icraDelete")->click();
    QCOMPARE(k->etkileşim.metinler().back(), std::string("Silinecek pasajı seçin"));
}

void PerformanceTest::rowsEditThroughMenusAndCharts() {
    icra();
    ÖzellikListesi* liste = List3();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(10)).center());
    QVERIFY(bul<QMenu>("Mn_Enst")->isVisible());
    bul<QMenu>("Mn_Enst")->hide();
    bul<QAction>("Mn_Enst_KANUN")->trigger();
    QCOMPARE(pasaj(1).solist.trimmed(), std::string("KANUN"));
    QCOMPARE(satır(10), QString(" Solist saz      :Kanun"));
    liste->List3_Click(5, {});
    QTest::mouseClick(bul<QWidget>("MetronomÇizelgesi"), Qt::LeftButton, {}, hücre(1, 1));
    QCOMPARE(std::pair(int(pasaj(1).girişMetronomu), int(pasaj(1).çıkışMetronomu)), std::pair(60, 60));
    liste->List3_Click(14, {});
    QTest::mouseClick(bul<QWidget>("AhenkÇizelgesi"), Qt::LeftButton, {}, hücre(2, 7));  // cell 24
    QCOMPARE(int(pasaj(1).göçürümler[1]), 13);
    QCOMPARE(satır(14), QString::fromUtf8("   göçürüm  :Müstahzen"));
    QVERIFY(k->pencere.oturum().değişti());
}

void PerformanceTest::volumeSlidersStoreOnOkOnly() {
    icra();
    for (const char* düğme : {"But_VolumVazgec", "But_VolumTamam"}) {
        List3()->List3_Click(23, {});
        bul<QSlider>("VolumM_2")->setValue(80);
        bul<QSlider>("VolumR")->setValue(30);
        bul<QPushButton>(düğme)->click();
    }
    QCOMPARE(int(pasaj(1).sesSeviyeleri[2]), 80);
    QCOMPARE(int(pasaj(1).ritimSesi), 30);
    QCOMPARE(satır(26), QString("  sesler : 50 50 80 50   ritm : % 30"));
    List3()->List3_Click(23, {});
    bul<QSlider>("VolumR")->setValue(70);
    bul<QPushButton>("But_VolumVazgec")->click();
    QCOMPARE(int(pasaj(1).ritimSesi), 30);
}

void PerformanceTest::usulAndCesniChoices() {
    icra();
    List3()->List3_Click(24, {});
    QCOMPARE(k->etkileşim.metinler().back(), std::string("usul dosyası bulunamadı"));
    icra();
    UsulKaydı düyek;
    düyek.pay = 2;
    düyek.payda = 4;
    düyek.ad = Text<40>("Düyek");
    test::dosyaYaz(k->klasör / "usuller.usl", pack(düyek));
    icra();  // the patterns are read as performance mode starts
    List3()->List3_Click(24, {});
    auto* kalıplar = bul<QListWidget>("UsulKalıpları");
    QCOMPARE(kalıplar->count(), 255);
    QTest::mouseClick(kalıplar->viewport(), Qt::LeftButton, {}, kalıplar->visualItemRect(kalıplar->item(0)).center());
    QCOMPARE(int(pasaj(1).usulNumarası), 1);
    QCOMPARE(satır(24), QString::fromUtf8(" usul kalıbı no      :1 (Düyek)"));
    List3()->List3_Click(28, {});
    bul<QComboBox>("ÇeşniPerdesi")->setCurrentIndex(12);
    bul<QComboBox>("ÇeşniCinsi")->setCurrentIndex(1);
    bul<QPushButton>("But_ÇeşniTamam")->click();
    QCOMPARE(satır(28), QString::fromUtf8("Çeşni  :  Neva da Hicaz"));
    QCOMPARE(int(eser().başlık.pasajDeğerleri[1].çeşniPerdesi), 12);
}

void PerformanceTest::linePlayRowsEditTheLinePlayRecord() {
    icra();
    bul<QCheckBox>("SatırKipi")->click();
    QCOMPARE(List3()->count(), 4);
    List3()->List3_Click(1, {});
    QTest::mouseClick(bul<QWidget>("MetronomÇizelgesi"), Qt::LeftButton, {}, hücre(2, 0));
    QCOMPARE(int(eser().başlık.satırPasajı.girişMetronomu), 92);
    QCOMPARE(satır(1), QString(" metronom  :92"));
    QCOMPARE(int(pasaj(1).girişMetronomu), 120);
}

void PerformanceTest::renderWritesTheCheckedPassagesAsWav() {
    icra();
    bul<QPushButton>("But_SazKaydet")->click();
    QCOMPARE(k->etkileşim.metinler().back(), std::string("Pasaj kutularından en az birini işaretleyin"));
    bul<QListWidget>("List4")->item(0)->setCheckState(Qt::Checked);
    pasaj(1).solist = Text<5>("KANUN");
    bul<QPushButton>("But_SazKaydet")->click();
    // The worker's message reaches the user through the window's thread.
    QCOMPARE(k->etkileşim.metinler().back(), std::string("KANUN   dosyası bulunamadı. Yerine SINUS kullanılacak."));
    QCOMPARE(bul<QLabel>("İlerleme")->text(), QString("% 100"));
    const auto baytlar = test::dosyaBaytları(k->klasör / "ornek.dat");
    QVERIFY(baytlar.size() > 44 + 44100);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(baytlar.data()), 4), QByteArray("RIFF"));
    QVERIFY(std::filesystem::exists(k->klasör / "AkortluData.dat"));
    QVERIFY(k->pencere.isEnabled());
}

// Esc is pressed while the rendering waits for the user to read that the
// kanun recordings are missing: the rendering stops there.
void PerformanceTest::escStopsARendering() {
    icra();
    bul<QListWidget>("List4")->item(0)->setCheckState(Qt::Checked);
    pasaj(1).solist = Text<5>("KANUN");
    bool kilitliydi = false;
    k->etkileşim.mesajDururken = [&](std::string_view) {
        kilitliydi = !k->pencere.isEnabled();
        QTest::keyClick(&k->pencere, Qt::Key_Escape);
    };
    bul<QPushButton>("But_SazKaydet")->click();
    QVERIFY(kilitliydi);
    QVERIFY(bul<QLabel>("İlerleme")->text() != QString("% 100"));
    QVERIFY(!std::filesystem::exists(k->klasör / "ornek.dat"));
    QVERIFY(k->pencere.isEnabled());
}

QTEST_MAIN(PerformanceTest)
#include "performance_test.moc"
