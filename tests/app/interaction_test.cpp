#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/dialog_mapping.h"
#endif

using namespace selvika;

class InteractionTest : public QObject {
    Q_OBJECT
private slots:
    void filterOfScoreFiles();
    void filterWithSeveralPairs();
    void buttonsOfEachSet();
    void answersOfEachButton();
    void closingWithoutButtonGivesTheEscapeAnswer();
};

void InteractionTest::filterOfScoreFiles() {
    QCOMPARE(süzgeçQt("eser data dosyaları|*.EVD||"), QString::fromUtf8("eser data dosyaları (*.EVD)"));
}

void InteractionTest::filterWithSeveralPairs() {
    QCOMPARE(süzgeçQt("ses|*.wav;*.mp3|hepsi|*.*"), QString("ses (*.wav *.mp3);;hepsi (*.*)"));
}

void InteractionTest::buttonsOfEachSet() {
    QCOMPARE(düğmelerQt(Düğmeler::tamam), QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(düğmelerQt(Düğmeler::tamamVazgeç), QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(düğmelerQt(Düğmeler::evetHayır), QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(düğmelerQt(Düğmeler::evetHayırVazgeç), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(düğmelerQt(Düğmeler::durdurYenidenDeneYoksay), QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
}

void InteractionTest::answersOfEachButton() {
    QCOMPARE(cevapQt(Düğmeler::tamam, QMessageBox::Ok), Cevap::tamam);
    QCOMPARE(cevapQt(Düğmeler::tamamVazgeç, QMessageBox::Cancel), Cevap::vazgeç);
    QCOMPARE(cevapQt(Düğmeler::evetHayır, QMessageBox::Yes), Cevap::evet);
    QCOMPARE(cevapQt(Düğmeler::evetHayır, QMessageBox::No), Cevap::hayır);
    QCOMPARE(cevapQt(Düğmeler::evetHayırVazgeç, QMessageBox::Cancel), Cevap::vazgeç);
    QCOMPARE(cevapQt(Düğmeler::durdurYenidenDeneYoksay, QMessageBox::Abort), Cevap::durdur);
    QCOMPARE(cevapQt(Düğmeler::durdurYenidenDeneYoksay, QMessageBox::Retry), Cevap::yenidenDene);
    QCOMPARE(cevapQt(Düğmeler::durdurYenidenDeneYoksay, QMessageBox::Ignore), Cevap::yoksay);
}

void InteractionTest::closingWithoutButtonGivesTheEscapeAnswer() {
    QCOMPARE(cevapQt(Düğmeler::tamam, QMessageBox::NoButton), Cevap::tamam);
    QCOMPARE(cevapQt(Düğmeler::tamamVazgeç, QMessageBox::NoButton), Cevap::vazgeç);
    QCOMPARE(cevapQt(Düğmeler::evetHayır, QMessageBox::NoButton), Cevap::hayır);
    QCOMPARE(cevapQt(Düğmeler::evetHayırVazgeç, QMessageBox::NoButton), Cevap::vazgeç);
    QCOMPARE(cevapQt(Düğmeler::durdurYenidenDeneYoksay, QMessageBox::NoButton), Cevap::durdur);
}

QTEST_MAIN(InteractionTest)
#include "interaction_test.moc"
