#include <QLabel>
#include <QMessageBox>
#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/dialog_mapping.h"
#include "app/qt_interaction.h"
#endif

using namespace selvika;

class InteractionTest : public QObject {
    Q_OBJECT
private slots:
    void filtersOfOneAndOfSeveralPairs();
    void buttonsOfEachSet();
    void answersOfEachButtonAndOfClosingWithoutOne();
    void warningsBeepOnlyWhenTheScoreWantsIt_data();
    void warningsBeepOnlyWhenTheScoreWantsIt();
};

void InteractionTest::filtersOfOneAndOfSeveralPairs() {
    QCOMPARE(süzgeçQt("eser data dosyaları|*.EVD||"), QString::fromUtf8("eser data dosyaları (*.EVD)"));
    QCOMPARE(süzgeçQt("ses|*.wav;*.mp3|hepsi|*.*"), QString("ses (*.wav *.mp3);;hepsi (*.*)"));
}

void InteractionTest::buttonsOfEachSet() {
    QCOMPARE(düğmelerQt(Düğmeler::tamam), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(düğmelerQt(Düğmeler::tamamVazgeç), QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(düğmelerQt(Düğmeler::evetHayır), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(düğmelerQt(Düğmeler::evetHayırVazgeç), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(düğmelerQt(Düğmeler::durdurYenidenDeneYoksay), QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
}

void InteractionTest::answersOfEachButtonAndOfClosingWithoutOne() {
    QCOMPARE(cevapQt(Düğmeler::tamam, QMessageBox::Ok), Cevap::tamam);
    QCOMPARE(cevapQt(Düğmeler::tamamVazgeç, QMessageBox::Cancel), Cevap::vazgeç);
    QCOMPARE(cevapQt(Düğmeler::evetHayır, QMessageBox::Yes), Cevap::evet);
    QCOMPARE(cevapQt(Düğmeler::evetHayır, QMessageBox::No), Cevap::hayır);
    QCOMPARE(cevapQt(Düğmeler::evetHayırVazgeç, QMessageBox::Cancel), Cevap::vazgeç);
    QCOMPARE(cevapQt(Düğmeler::durdurYenidenDeneYoksay, QMessageBox::Abort), Cevap::durdur);
    QCOMPARE(cevapQt(Düğmeler::durdurYenidenDeneYoksay, QMessageBox::Retry), Cevap::yenidenDene);
    QCOMPARE(cevapQt(Düğmeler::durdurYenidenDeneYoksay, QMessageBox::Ignore), Cevap::yoksay);
    // Closing the box gives the answer of its escape button.
    QCOMPARE(cevapQt(Düğmeler::tamam, QMessageBox::NoButton), Cevap::tamam);
    QCOMPARE(cevapQt(Düğmeler::tamamVazgeç, QMessageBox::NoButton), Cevap::vazgeç);
    QCOMPARE(cevapQt(Düğmeler::evetHayır, QMessageBox::NoButton), Cevap::hayır);
    QCOMPARE(cevapQt(Düğmeler::evetHayırVazgeç, QMessageBox::NoButton), Cevap::vazgeç);
    QCOMPARE(cevapQt(Düğmeler::durdurYenidenDeneYoksay, QMessageBox::NoButton), Cevap::durdur);
}

void InteractionTest::warningsBeepOnlyWhenTheScoreWantsIt_data() {
    QTest::addColumn<bool>("sesli");
    QTest::newRow("duyulsun") << true;
    QTest::newRow("duyulmasın") << false;
}

// A warning in the warning line or in a box beeps; a question does not.
void InteractionTest::warningsBeepOnlyWhenTheScoreWantsIt() {
    QFETCH(bool, sesli);
    QtEtkileşim qt;
    Etkileşim& etkileşim = qt;
    QLabel satır;
    qt.uyarıSatırınıBağla(&satır);
    int bip = 0;
    qt.bip = [&] { ++bip; };
    qt.uyarıSesiVar = [&] { return sesli; };
    etkileşim.ikazYaz("satır doldu");
    QCOMPARE(satır.text(), QString::fromUtf8("satır doldu"));
    QCOMPARE(bip, int(sesli));
    auto kapat = [] {
        QTimer::singleShot(0, [] { static_cast<QMessageBox*>(QApplication::activeModalWidget())->accept(); });
    };
    kapat();
    etkileşim.mesaj("gurup içine yazılamaz");
    QCOMPARE(bip, 2 * int(sesli));
    kapat();
    etkileşim.mesaj("Bu proğramı kapatmak istiyormusunuz ?", {}, Düğmeler::evetHayır);
    QCOMPARE(bip, 2 * int(sesli));
}

QTEST_MAIN(InteractionTest)
#include "interaction_test.moc"
