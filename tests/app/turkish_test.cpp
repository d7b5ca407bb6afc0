#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/key_input.h"
#include "app/qt_translations.h"
#endif

using namespace selvika;

// Turkish users first: Qt's own buttons speak Turkish and a Turkish
// keyboard's keypad reaches every key.
class TurkishTest : public QObject {
    Q_OBJECT
private slots:
    void standardButtonsReadInTurkish();
    void theKeypadDecimalKeyDotsWhateverItsCharacter();
};

void TurkishTest::standardButtonsReadInTurkish() {
    QVERIFY(qtÇevirileriniYükle(*QCoreApplication::instance()));
    QMessageBox kutu(QMessageBox::NoIcon, "Selvika", "?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(kutu.button(QMessageBox::Yes)->text(), QString("&Evet"));
    QCOMPARE(kutu.button(QMessageBox::No)->text(), QString::fromUtf8("&Hayır"));
    QCOMPARE(kutu.button(QMessageBox::Cancel)->text(), QString::fromUtf8("İptal"));
    QDialogButtonBox düğmeler(QDialogButtonBox::Abort | QDialogButtonBox::Retry | QDialogButtonBox::Ignore);
    QCOMPARE(düğmeler.button(QDialogButtonBox::Retry)->text(), QString("Yeniden Dene"));
}

void TurkishTest::theKeypadDecimalKeyDotsWhateverItsCharacter() {
    for (auto [tuş, metin] : {std::pair{Qt::Key_Comma, ","}, std::pair{Qt::Key_Period, "."}}) {
        const auto okunan = tuşOku(QKeyEvent(QEvent::KeyPress, tuş, Qt::KeypadModifier, metin));
        QVERIFY(okunan);
        QCOMPARE(okunan->basış.tuş, Tuş::nokta);
    }
    QVERIFY(!tuşOku(QKeyEvent(QEvent::KeyPress, Qt::Key_Comma, Qt::NoModifier, ",")));
}

QTEST_MAIN(TurkishTest)
#include "turkish_test.moc"
