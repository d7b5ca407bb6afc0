#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/font_menu.h"
#include "app/usul_width.h"
#include "render/slur_geometry.h"
#include "rhythm/usul_numerals.h"
#include "tests/app/window_fixture.h"
#endif

using namespace selvika;

namespace {

// Pressed at (5, 5), the pointer moved to `hedef` and released at `bırak`:
// a label that follows the pointer is released where it was pressed.
void sürükle(QWidget* etiket, QPoint hedef, QPoint bırak = {5, 5}) {
    QTest::mousePress(etiket, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent hareket(QEvent::MouseMove, QPointF(hedef), etiket->mapToGlobal(QPointF(hedef)), Qt::NoButton,
                        Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(etiket, &hareket);
    QTest::mouseRelease(etiket, Qt::LeftButton, {}, bırak);
}

}  // namespace

class UsulAndViewsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void usulListHoldsTheFiftySixCaptions();
    void pressOnTheUsulListChoosesAndCloses();
    void usulWidthIsTheWiderNumeral();
    void fontItemStoresTheChoiceInItsRecord();
    void cancelledFontDialogChangesNothing();
    void measureCheckRunsOverTheScore();
    void printMarksFollowTheMenuItem();
    void accidentalLabelsMoveTheAccidentalAndTakeTheArrowKeys();
    void syllableLabelsMoveTheSyllablesAndTakeTheArrowKeys();
    void lyricBlockLabelsOpenAndMoveTheirBlocks();
    void slurHandlesReshapeTheSlurAndTakeTheArrowKeys();

private:
    QListWidget* List2() { return k->bul<QListWidget>("List2"); }
    Satır& tampon() { return k->pencere.editör().tampon(); }

    std::unique_ptr<test::PencereKurulumu> k;
};

void UsulAndViewsTest::init() {
    k = std::make_unique<test::PencereKurulumu>();
    k->pencere.show();
    k->örnekEseriAç();
}

void UsulAndViewsTest::cleanup() { k.reset(); }

void UsulAndViewsTest::usulListHoldsTheFiftySixCaptions() {
    QCOMPARE(List2()->count(), 56);
    QCOMPARE(List2()->item(14)->text(), QString::fromUtf8("9/16 yürük aksak "));
    QCOMPARE(List2()->item(0)->text(), QString::fromUtf8("2/8  nimsofyan-1"));
    QCOMPARE(List2()->item(55)->text(), QString::fromUtf8("devri süreyya"));
    QCOMPARE(List2()->geometry(), QRect(655, 10, 130, 560));
}

void UsulAndViewsTest::pressOnTheUsulListChoosesAndCloses() {
    k->bul<QAction>("Mn_Usul")->trigger();
    QVERIFY(List2()->isVisible());
    QTest::mousePress(List2()->viewport(), Qt::RightButton, {}, List2()->visualItemRect(List2()->item(3)).center());
    QVERIFY(!List2()->isVisible());
    QCOMPARE(List2()->currentRow(), 3);
    QCOMPARE(k->bul<QAction>("Mn_Usul")->text(), QString("3/4 semai-2"));
}

void UsulAndViewsTest::usulWidthIsTheWiderNumeral() {
    YazıTipi yazıTipi;
    yazıTipi.yüz = Text<40>("Sans");
    yazıTipi.boy = 14;
    const QFontMetrics ölçü(yazıTipiKaydından(yazıTipi));
    for (int kod : {5, 14, 52}) {
        Eleman e;
        e.tür = tür::usul;
        e.usulNo = static_cast<Byte>(kod);
        usuleni(e, yazıTipi);
        const int üst = ölçü.horizontalAdvance(QString::fromUtf8(Pay(kod).data()));
        const int alt = ölçü.horizontalAdvance(QString::fromUtf8(payda(kod).data()));
        QCOMPARE(int(e.genişlik), std::max(üst, alt));
    }
    Eleman dar, geniş;
    dar.usulNo = 5;    // 4 over 4
    geniş.usulNo = 52; // 120 over 8
    usuleni(dar, yazıTipi);
    usuleni(geniş, yazıTipi);
    QVERIFY(geniş.genişlik > dar.genişlik);
}

void UsulAndViewsTest::fontItemStoresTheChoiceInItsRecord() {
    QFont önceki;
    k->pencere.yazıTipiMenüsü().seçici = [&](const QFont& f) {
        önceki = f;
        QFont seçilen("Serif");
        seçilen.setPointSize(17);
        seçilen.setItalic(true);
        return std::optional(seçilen);
    };
    YazıTipi& usul = k->pencere.oturum().eser().başlık.yazıTipleri[usulYazıTipi];
    usul.yüz = Text<40>("Sans");
    usul.boy = 11;
    usul.kalın = true;
    k->bul<QAction>("Mn_UsulFontu")->trigger();
    QCOMPARE(önceki.family(), QString("Sans"));
    QCOMPARE(önceki.pointSize(), 11);
    QVERIFY(önceki.bold());
    QCOMPARE(usul.yüz.trimmed(), std::string("Serif"));
    QCOMPARE(int(usul.boy), 17);
    QVERIFY(!static_cast<bool>(usul.kalın));
    QVERIFY(static_cast<bool>(usul.italik));
    QVERIFY(k->pencere.oturum().değişti());
}

void UsulAndViewsTest::cancelledFontDialogChangesNothing() {
    k->pencere.yazıTipiMenüsü().seçici = [](const QFont&) { return std::optional<QFont>(); };
    const EserBaşlık önce = k->pencere.oturum().eser().başlık;
    for (const char* ad : {"Mn_hecefont", "Mn_sazpayıfontu", "Mn_UsulFontu", "Mn_dolapfontu", "Mn_GüfteFontu"})
        k->bul<QAction>(ad)->trigger();
    QVERIFY(k->pencere.oturum().eser().başlık == önce);
    QVERIFY(!k->pencere.oturum().değişti());
}

void UsulAndViewsTest::measureCheckRunsOverTheScore() {
    k->etkileşim.cevaplar.assign(200, Cevap::yoksay);
    const Eser önce = k->pencere.oturum().eser();
    k->bul<QAction>("Mn_mezür")->trigger();
    QVERIFY(!k->etkileşim.mesajlar.empty());
    QVERIFY(k->pencere.oturum().eser() == önce);
}

void UsulAndViewsTest::printMarksFollowTheMenuItem() {
    auto* baskılar = k->bul<QWidget>("Baskılar");
    QVERIFY(!baskılar->isVisible());
    QAction* menü = k->bul<QAction>("Mn_Microton");
    QVERIFY(menü->isCheckable());
    menü->trigger();
    QVERIFY(baskılar->isVisible());
    QCOMPARE(baskılar->geometry(), k->bul<QWidget>("Picture1")->rect());
    menü->trigger();
    QVERIFY(!baskılar->isVisible());
}

void UsulAndViewsTest::accidentalLabelsMoveTheAccidentalAndTakeTheArrowKeys() {
    QWidget* resim = k->bul<QWidget>("Picture1");
    int arızalı = 0, j = 0;
    for (int i = 1; i <= tampon().elemanSayısı; ++i)
        if (tampon().elemanlar[i].arıza.arıza != 0) ++arızalı, j = i;
    QVERIFY(arızalı > 0);
    QVERIFY(resim->findChildren<QLabel*>().isEmpty());
    k->bul<QAction>("Mn_Arıza")->trigger();
    QList<QLabel*> etiketler = resim->findChildren<QLabel*>();
    QCOMPARE(etiketler.size(), qsizetype(arızalı));
    QLabel* etiket = etiketler.back();
    const Integer önce = tampon().elemanlar[j].arıza.arızaAyarı;
    sürükle(etiket, {2, 5});
    const int yeniX = etiket->x();
    QCOMPARE(tampon().elemanlar[j].arıza.arızaAyarı, Integer(önce - 3));
    QCOMPARE(resim->findChildren<QLabel*>().back()->x(), yeniX);
    QVERIFY(k->pencere.editör().geriAlınabilir());
    const Satır öncekiSatır = tampon();
    QTest::keyClick(resim, Qt::Key_Up);
    QVERIFY2(tampon() == öncekiSatır, "the picked label holds the note's Up key");
    QTest::keyClick(resim, Qt::Key_Left);
    QCOMPARE(tampon().elemanlar[j].arıza.arızaAyarı, Integer(önce - 4));
    k->bul<QAction>("Mn_Arıza")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(resim->findChildren<QLabel*>().isEmpty());
}

void UsulAndViewsTest::syllableLabelsMoveTheSyllablesAndTakeTheArrowKeys() {
    QWidget* resim = k->bul<QWidget>("Picture1");
    int heceli = 0, j = 0;
    for (int i = 1; i <= tampon().elemanSayısı; ++i)
        if (tampon().elemanlar[i].hece == 1) ++heceli, j = i;
    QVERIFY(heceli > 0);
    k->bul<QAction>("Mn_Heceler")->trigger();
    QList<QLabel*> etiketler = resim->findChildren<QLabel*>();
    QCOMPARE(etiketler.size(), qsizetype(heceli));
    const Integer önce = tampon().elemanlar[j].heceAyarı;
    QLabel* etiket = etiketler.back();
    sürükle(etiket, {9, 5});
    QCOMPARE(tampon().elemanlar[j].heceAyarı, Integer(önce + 4));
    QTest::keyClick(resim, Qt::Key_Right);
    QCOMPARE(tampon().elemanlar[j].heceAyarı, Integer(önce + 5));
}

void UsulAndViewsTest::lyricBlockLabelsOpenAndMoveTheirBlocks() {
    EserBaşlık& başlık = k->pencere.oturum().eser().başlık;
    başlık.güfteBlokları[6].sayfa = 2;
    k->bul<QAction>("Mn_düzen")->trigger();
    auto* sayfa = k->bul<QWidget>("Sayfa");
    QVERIFY(sayfa->findChild<QLabel*>("GüfteEtiketi5"));
    QVERIFY(!sayfa->findChild<QLabel*>("GüfteEtiketi6"));
    auto* etiket = sayfa->findChild<QLabel*>("GüfteEtiketi2");
    QCOMPARE(etiket->text(), QStringLiteral("2"));
    QTimer::singleShot(0, [] {
        QWidget* diyalog = QApplication::activeModalWidget();
        diyalog->findChild<QPlainTextEdit*>("GüfteKutusu")->setPlainText("  Üsküdar'a gider iken  ");
        diyalog->findChild<QPushButton*>("tamam")->click();
    });
    QTest::mouseDClick(etiket, Qt::LeftButton);
    QCOMPARE(başlık.güfteBlokları[2].metin.trimmed(), std::string("Üsküdar'a gider iken"));
    QVERIFY(k->pencere.oturum().değişti());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    etiket = sayfa->findChild<QLabel*>("GüfteEtiketi2");
    QVERIFY(etiket->text().isEmpty());
    QVERIFY(etiket->width() > 50);
    const SayfaKonumu önce = başlık.güfteYerleri[2];
    sürükle(etiket, {25, -35}, {25, -35});
    QCOMPARE(başlık.güfteYerleri[2].x, Integer(önce.x + 20));
    QCOMPARE(başlık.güfteYerleri[2].y, Integer(önce.y - 40));
}

void UsulAndViewsTest::slurHandlesReshapeTheSlurAndTakeTheArrowKeys() {
    int j = 1;
    while (!tampon().elemanlar[j].nota() || !tampon().elemanlar[j + 1].nota()) ++j;
    tampon().elemanlar[j].yay[1].durum = yayDurumu::başlangıç;
    tampon().elemanlar[j + 1].yay[1].durum = yayDurumu::bitiş;
    yayKoordinatYaz(tampon(), 10, 10, j, j + 1, 1);
    const int yukarı = yayÜstte(tampon(), {j, j + 1, 1}) ? 1 : -1;  // what raising a handle adds
    k->bul<QAction>("Mn_YayBombe")->trigger();
    QWidget* resim = k->bul<QWidget>("Picture1");
    auto* orta = resim->findChild<QLabel*>("OrtaEtiketi");
    QVERIFY(orta && resim->findChild<QLabel*>("YayEtiketi"));
    sürükle(orta, {5, 0});
    QCOMPARE(tampon().elemanlar[j].yay[1].yayYükseklik, Integer(10 + 5 * yukarı));
    QCOMPARE(tampon().elemanlar[j + 1].yay[1].yayYükseklik, Integer(10 + 5 * yukarı));
    QVERIFY(k->pencere.editör().geriAlınabilir());
    const Byte perde = tampon().elemanlar[j + 1].tür;
    QTest::keyClick(resim, Qt::Key_Up);
    QCOMPARE(tampon().elemanlar[j].yay[1].yayYükseklik, Integer(10 + 6 * yukarı));
    QCOMPARE(tampon().elemanlar[j + 1].tür, perde);
    k->bul<QAction>("Mn_YayBombe")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!resim->findChild<QLabel*>("OrtaEtiketi"));
}

QTEST_MAIN(UsulAndViewsTest)
#include "usul_and_views_test.moc"
