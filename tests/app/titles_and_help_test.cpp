#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QtTest>
#include <functional>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/title_dialog.h"
#include "tests/app/window_fixture.h"
#endif

using namespace selvika;

namespace {

template <class T>
T* bul(QWidget& w, const QString& ad) {
    return w.findChild<T*>(ad);
}

QLineEdit* kutu(QWidget& d, int t) { return bul<QLineEdit>(d, QStringLiteral("BaşlıkKutusu_%1").arg(t)); }

// Answers the title dialog as soon as it is the open modal window.
void başlıklarıYanıtla(std::function<void(QDialog&)> yanıt) {
    QTimer::singleShot(0, [yanıt] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || d->objectName() != QString::fromUtf8("başlıklar")) return başlıklarıYanıtla(yanıt);
        yanıt(*d);
    });
}

void sürükle(QWidget* etiket, QPoint fark) {
    QTest::mousePress(etiket, Qt::LeftButton, {}, QPoint(5, 5));
    const QPointF hedef = QPointF(5, 5) + fark;
    QMouseEvent hareket(QEvent::MouseMove, hedef, etiket->mapToGlobal(hedef), Qt::NoButton, Qt::LeftButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(etiket, &hareket);
    QTest::mouseRelease(etiket, Qt::LeftButton, {}, hedef.toPoint());
}

}  // namespace

class TitlesAndHelpTest : public QObject {
    Q_OBJECT
private slots:
    void theDialogShowsTheTitlesOfThePageAndStoresThemOnOk();
    void cancelLeavesTheTitlesAlone();
    void titleLabelsMoveTheirTitleDownThePageAndOpenTheDialog();
    void helpIsThereFromTheStartWithTheKeysAndTheModes();
};

void TitlesAndHelpTest::theDialogShowsTheTitlesOfThePageAndStoresThemOnOk() {
    EserBaşlık başlık;
    başlık.başlıklar[1].metin = Text<50>("Üsküdar");
    başlık.başlıklar[7].yazıTipi = {.yüz = Text<40>("Sans"), .boy = 18, .kalın = true, .italik = false};
    başlık.sayfalar[2].başlıkKonumları[7].y = 50;
    BaşlıkDiyaloğu d(başlık, 2, 7, nullptr);
    QCOMPARE(d.windowTitle(), QString::fromUtf8("Başlıklar"));
    QCOMPARE(kutu(d, 1)->text(), QString::fromUtf8("Üsküdar"));
    QCOMPARE(d.focusWidget(), kutu(d, 7));
    auto* düğme = bul<QPushButton>(d, QString::fromUtf8("BaşlıkYazıTipi_7"));
    QCOMPARE(düğme->text(), QString::fromUtf8("Sans 18 kalın"));
    QFont önceki;
    d.seçici = [&](const QFont& f) {
        önceki = f;
        QFont seçilen("Serif");
        seçilen.setPointSize(20);
        seçilen.setItalic(true);
        return std::optional(seçilen);
    };
    düğme->click();
    QCOMPARE(önceki.pointSize(), 18);
    QVERIFY(önceki.bold());
    QCOMPARE(düğme->text(), QString::fromUtf8("Serif 20 italik"));
    auto* y = bul<QSpinBox>(d, QString::fromUtf8("BaşlıkY_7"));
    QCOMPARE(y->value(), 50);
    y->setValue(90);
    kutu(d, 7)->setText(QString::fromUtf8("  Beste: Dede Efendi  "));
    bul<QPushButton>(d, "tamam")->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(başlık.başlıklar[7].metin.trimmed(), std::string("Beste: Dede Efendi"));
    QCOMPARE(başlık.başlıklar[7].yazıTipi.yüz.trimmed(), std::string("Serif"));
    QCOMPARE(int(başlık.başlıklar[7].yazıTipi.boy), 20);
    QVERIFY(static_cast<bool>(başlık.başlıklar[7].yazıTipi.italik));
    QCOMPARE(int(başlık.sayfalar[2].başlıkKonumları[7].y), 90);
    QCOMPARE(int(başlık.sayfalar[1].başlıkKonumları[7].y), 0);
    QCOMPARE(başlık.başlıklar[1].metin.trimmed(), std::string("Üsküdar"));
}

void TitlesAndHelpTest::cancelLeavesTheTitlesAlone() {
    EserBaşlık başlık;
    BaşlıkDiyaloğu d(başlık, 1, 1, nullptr);
    d.seçici = [](const QFont&) { return std::optional(QFont("Serif")); };
    bul<QPushButton>(d, QString::fromUtf8("BaşlıkYazıTipi_2"))->click();
    kutu(d, 2)->setText("yeni");
    bul<QPushButton>(d, QString::fromUtf8("vazgeç"))->click();
    QVERIFY(başlık == EserBaşlık{});
}

void TitlesAndHelpTest::titleLabelsMoveTheirTitleDownThePageAndOpenTheDialog() {
    test::PencereKurulumu k;
    k.pencere.show();
    QAction* menü = k.bul<QAction>("Mn_başlıklar");
    QVERIFY(!menü->isEnabled());
    k.örnekEseriAç();
    EserBaşlık& başlık = k.pencere.oturum().eser().başlık;
    int yanıtlanan = 0;
    başlıklarıYanıtla([&yanıtlanan](QDialog& d) {
        ++yanıtlanan;
        QCOMPARE(d.focusWidget(), kutu(d, 1));
        kutu(d, 8)->setText(QString::fromUtf8("Güfte: Anonim"));
        bul<QPushButton>(d, "tamam")->click();
    });
    menü->trigger();
    QCOMPARE(yanıtlanan, 1);
    QCOMPARE(başlık.başlıklar[8].metin.trimmed(), std::string("Güfte: Anonim"));
    QVERIFY(k.pencere.oturum().değişti());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* sayfa = k.bul<QWidget>("Sayfa");
    QVERIFY(sayfa->isVisible());
    for (int t = 1; t <= 9; ++t)
        QCOMPARE(sayfa->findChild<QLabel*>(QStringLiteral("BaşlıkEtiketi%1").arg(t)) != nullptr,
                 !başlık.başlıklar[t].metin.blank());
    QLabel* etiket = sayfa->findChild<QLabel*>(QString::fromUtf8("BaşlıkEtiketi8"));
    const QPoint önce = etiket->pos();
    const Integer y = başlık.sayfalar[1].başlıkKonumları[8].y;
    sürükle(etiket, {25, 40});
    QCOMPARE(etiket->pos(), önce + QPoint(0, 40));
    QCOMPARE(başlık.sayfalar[1].başlıkKonumları[8].y, Integer(y + 40));
    QCOMPARE(başlık.sayfalar[1].başlıkKonumları[8].x, Integer(0));
    başlıklarıYanıtla([&yanıtlanan, y](QDialog& d) {
        ++yanıtlanan;
        QCOMPARE(d.focusWidget(), kutu(d, 8));
        QCOMPARE(bul<QSpinBox>(d, QString::fromUtf8("BaşlıkY_8"))->value(), int(y + 40));
        bul<QPushButton>(d, QString::fromUtf8("vazgeç"))->click();
    });
    QTest::mouseDClick(etiket, Qt::LeftButton);
    QCOMPARE(yanıtlanan, 2);
}

void TitlesAndHelpTest::helpIsThereFromTheStartWithTheKeysAndTheModes() {
    test::PencereKurulumu k;
    QAction* yardım = k.bul<QAction>("mn_yardım");
    QVERIFY(yardım->isEnabled());
    yardım->trigger();
    yardım->trigger();
    QCOMPARE(k.pencere.findChildren<QWidget*>(QString::fromUtf8("Yardım")).size(), qsizetype(1));
    auto* pencere = k.bul<QWidget>("Yardım");
    QVERIFY(pencere->isVisible());
    QCOMPARE(pencere->windowTitle(), QString::fromUtf8("Yardım"));
    const QString metin = pencere->findChild<QTextBrowser*>()->toPlainText();
    for (const char* parça : {"Nota", "Kreşendo", "Hece", "Dolap", "B  bemol döngüsü", "F2 .. F12", "Ctrl+Enter",
                              "Ctrl+Z", "Mezür kontrol", "Görünüm > Sayfa", "Başlıklar"})
        QVERIFY2(metin.contains(QString::fromUtf8(parça)), parça);
}

QTEST_MAIN(TitlesAndHelpTest)
#include "titles_and_help_test.moc"
