#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/playback_controls.h"
#include "audio/portaudio_output.h"
#include "tests/app/window_fixture.h"
#endif

using namespace selvika;

namespace {

// The planned sample score with a short passage 1 (lines 1 and 2) of the
// sine voice, which needs no recordings.
void planlı(Eser& eser) {
    test::planlıÖrnek(eser);
    Pasaj& p = eser.başlık.pasajlar[1];
    p.solist = Text<5>("SINUS");
    p.bitişSatırı = 2;
    p.bitişElemanı = 5;
}

}  // namespace

class HearingTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void renderingPlaysAndTheButtonsFollowPauseAndStop();
    void theEndTimerStopsAndNoDeviceIsToldOnce();
    void linePlayRendersTheLineAndMp3ConvertsIt();
    void solfegeAndBonaWriteTheOutputAndPlayIt_data();
    void solfegeAndBonaWriteTheOutputAndPlayIt();
    void midiNeedsACheckedPassageAndTheFileItemWritesAMidiFile();
    void theTuningWindowPlaysOnTheWindowsOutput();

#ifndef Q_MOC_RUN
private:
    template <class T>
    T* bul(const char* ad) { return k->bul<T>(ad); }
    void tıkla(const char* ad) { bul<QPushButton>(ad)->click(); }
    bool açık(const char* ad) { return bul<QPushButton>(ad)->isEnabled(); }
    ÇalmaDüğmeleri& çalma() { return *static_cast<ÇalmaDüğmeleri*>(bul<QWidget>("ÇalmaDüğmeleri")); }
    std::filesystem::path çıktı() { return k->klasör / "ornek.dat"; }
    void işaretle() { bul<QListWidget>("List4")->item(0)->setCheckState(Qt::Checked); }
    // The program folder's own file, for the window's folder.
    void getir(const char* ad) {
        std::filesystem::create_symlink(std::filesystem::path(SELVIKA_PROGRAM_DIR) / ad, k->klasör / ad);
    }

    std::unique_ptr<test::PencereKurulumu> k;
#endif
};

void HearingTest::init() {
    k = std::make_unique<test::PencereKurulumu>();
    k->pencere.show();
    k->örnekEseriAç(planlı);
    bul<QAction>("Mn_icra")->trigger();
}

void HearingTest::cleanup() { k.reset(); }

void HearingTest::renderingPlaysAndTheButtonsFollowPauseAndStop() {
    QVERIFY(!açık("but_eser_start"));  // nothing rendered yet
    işaretle();
    tıkla("But_SazKaydet");
    QCOMPARE(k->çıkış.açılan, std::vector{çıktı()});
    const auto durum = [this] {
        return std::tuple(açık("but_eser_start"), açık("but_eser_pause"), açık("but_eser_stop"),
                          bul<QPushButton>("but_eser_pause")->text(), bul<QProgressBar>("Çalmaİlerlemesi")->isVisible());
    };
    QCOMPARE(durum(), std::tuple(false, true, true, QString("Duraklat"), true));
    tıkla("but_eser_pause");
    QCOMPARE(durum(), std::tuple(false, true, true, QString::fromUtf8("Sürdür"), true));
    tıkla("but_eser_pause");
    QCOMPARE(durum(), std::tuple(false, true, true, QString("Duraklat"), true));
    tıkla("but_eser_stop");
    QCOMPARE(durum(), std::tuple(true, false, false, QString("Duraklat"), false));
    tıkla("but_eser_start");
    QCOMPARE(k->çıkış.açılan.size(), std::size_t{2});
    QVERIFY(açık("but_eser_stop"));
}

void HearingTest::theEndTimerStopsAndNoDeviceIsToldOnce() {
    k->çıkış.aygıt = false;
    çalma().çal(çıktı(), 20);
    çalma().çal(çıktı(), 20);
    QCOMPARE(std::count(k->etkileşim.ikazlar.begin(), k->etkileşim.ikazlar.end(), std::string(sesAygıtıYok)), 1);
    QVERIFY(!açık("but_eser_start"));
    QVERIFY(k->çıkış.açılan.empty());
    k->çıkış.aygıt = true;
    çalma().çal(çıktı(), 20);
    QVERIFY(açık("but_eser_stop"));
    QTRY_VERIFY(açık("but_eser_start"));
}

// The bit rate is taken as the list offers it once the list is up.
void HearingTest::linePlayRendersTheLineAndMp3ConvertsIt() {
    bul<QCheckBox>("SatırKipi")->click();
    tıkla("But_Kanal_Tamam");
    QVERIFY(!bul<QCheckBox>("SatırKipi")->isChecked());
    QVERIFY(!bul<QPushButton>("But_Kanal_Tamam")->isVisible());
    QCOMPARE(k->çıkış.açılan, std::vector{çıktı()});
    QVERIFY(std::filesystem::file_size(çıktı()) > 44 + 44100);
    QTimer::singleShot(0, this, [] {
        QWidget* liste = QApplication::activeModalWidget();
        QVERIFY(liste && liste->findChild<QListWidget*>("lstBitrate")->count() > 0);
        qobject_cast<QDialog*>(liste)->accept();
    });
    tıkla("But_Diske_MP3");
    const auto mp3 = test::dosyaBaytları(k->klasör / "ornek.mp3");
    QVERIFY(mp3.size() > 1000);
    QVERIFY(!bul<QProgressBar>("MP3İlerlemesi")->isVisible());
    QVERIFY(k->pencere.isEnabled());
}

void HearingTest::solfegeAndBonaWriteTheOutputAndPlayIt_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("recordings");
    QTest::newRow("solfej") << "But_SolfejKaydet" << "SOLFEJ.pcm";
    QTest::newRow("bona") << "But_BonaKaydet" << "BONA.pcm";
}

void HearingTest::solfegeAndBonaWriteTheOutputAndPlayIt() {
    QFETCH(QString, button);
    QFETCH(QString, recordings);
    getir(recordings.toUtf8().constData());
    işaretle();
    tıkla(button.toUtf8().constData());
    QVERIFY(std::filesystem::file_size(çıktı()) > 44 + 44100);
    QCOMPARE(k->çıkış.açılan, std::vector{çıktı()});
}

void HearingTest::midiNeedsACheckedPassageAndTheFileItemWritesAMidiFile() {
    tıkla("But_MidiKaydet");
    QCOMPARE(k->etkileşim.metinler().back(), std::string("seçilmiş pasaj bulunamadı"));
    getir("gm_instruments.tsv");
    getir("gm_drums.tsv");
    işaretle();
    k->etkileşim.dosyalar.push_back(k->klasör / "ornek.mid");
    tıkla("But_MidiDosyası");
    QCOMPARE(k->etkileşim.dosyaSeçimleri.back().süzgeç, std::string("MIDI dosyaları|*.mid||"));
    const auto mid = test::dosyaBaytları(k->klasör / "ornek.mid");
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(mid.data()), 4), QByteArray("MThd"));
}

// The main window goes with the tuning window still open on its output.
void HearingTest::theTuningWindowPlaysOnTheWindowsOutput() {
    getir("KANUN.pcm");
    tıkla("But_Akort");
    QDialog* akort = nullptr;
    for (QDialog* d : k->pencere.findChildren<QDialog*>())
        if (d->isVisible() && d->windowTitle() == "Selvika - Akord") akort = d;
    QVERIFY(akort);
    akort->findChild<QPushButton*>("But_Perde_12")->click();
    QCOMPARE(k->çıkış.açılan.back(), k->klasör / "Akord.dat");
}

QTEST_MAIN(HearingTest)
#include "hearing_test.moc"
