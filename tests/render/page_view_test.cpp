#include <QCheckBox>
#include <QContextMenuEvent>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/line_panel.h"
#include "render/page_geometry.h"
#include "tests/app/window_fixture.h"
#endif

using namespace selvika;

class PageViewTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void theSlidersShowAndMoveThePageRecordOfEachPage();
    void theViewFollowsAnotherScoreAndALinePaste();
    void aRightClickOnABandOfTheStripOpensTheLineMenuForItsLine();
    void thePrintLayoutSwitchPlacesTitlesItselfAndGivesThePageRecordsBack();

private:
    std::unique_ptr<test::PencereKurulumu> k;
};

void PageViewTest::init() {
    k = std::make_unique<test::PencereKurulumu>();
    k->örnekEseriAç();
}

void PageViewTest::cleanup() { k.reset(); }

// The page menu opens the view with page 1's record on the sliders; they
// move that page's lines, and another page keeps its own.
void PageViewTest::theSlidersShowAndMoveThePageRecordOfEachPage() {
    auto& sayfalar = k->pencere.oturum().eser().başlık.sayfalar;
    sayfalar[2].seviye = 55;
    k->bul<QAction>("Mn_düzen")->trigger();
    auto* görünüm = k->bul<QWidget>("Sayfa");
    QVERIFY(görünüm && görünüm->isVisible());
    QCOMPARE(k->bul<QSlider>("SeviyeSürgüsü")->value(), 80);
    QCOMPARE(k->bul<QSlider>("YoğunlukSürgüsü")->value(), 90);
    k->bul<QSlider>("SeviyeSürgüsü")->setValue(100);
    k->bul<QSlider>("YoğunlukSürgüsü")->setValue(120);
    QCOMPARE(int(sayfalar[1].seviye), 100);
    QCOMPARE(int(sayfalar[1].yoğunluk), 120);
    k->bul<QSpinBox>("SayfaNo")->setValue(2);
    QCOMPARE(k->bul<QSlider>("SeviyeSürgüsü")->value(), 55);
    QCOMPARE(int(sayfalar[2].yoğunluk), 90);
}

// The view draws the score anew: its sliders show the page record of the
// score it now holds.
void PageViewTest::theViewFollowsAnotherScoreAndALinePaste() {
    k->bul<QAction>("Mn_düzen")->trigger();
    auto öteki = test::örnekEser();
    öteki->başlık.sayfalar[1].seviye = 33;
    eserKaydet(*öteki, k->klasör / "öteki.EVD");
    k->etkileşim.dosyalar.push_back(k->klasör / "öteki.EVD");
    k->bul<QAction>("Mn_aç")->trigger();
    QCOMPARE(k->bul<QSlider>("SeviyeSürgüsü")->value(), 33);

    k->pencere.oturum().eser().başlık.sayfalar[1].seviye = 44;
    auto* panel = static_cast<SatırPaneli*>(k->bul<QWidget>("SatırPaneli"));
    panel->önizlemeMenüsü(2, {});
    k->bul<QAction>("Mn_SatırKopyala")->trigger();
    panel->önizlemeMenüsü(10, {});
    k->bul<QAction>("Mn_SatıraYapıştır")->trigger();
    k->bul<QMenu>("Mn_Kendi")->hide();
    QCOMPARE(k->pencere.oturum().eser().satırlar[10], k->pencere.oturum().eser().satırlar[2]);
    QCOMPARE(k->bul<QSlider>("SeviyeSürgüsü")->value(), 44);
}

void PageViewTest::aRightClickOnABandOfTheStripOpensTheLineMenuForItsLine() {
    k->bul<QAction>("Mn_düzen")->trigger();
    auto* şerit = k->bul<QWidget>("Şerit");
    const QPoint yer(30, bantTepesi(3) + 20);
    QContextMenuEvent olay(QContextMenuEvent::Mouse, yer, şerit->mapToGlobal(yer));
    QCoreApplication::sendEvent(şerit, &olay);
    auto* menü = k->bul<QMenu>("Mn_Kendi");
    QVERIFY(menü->isVisible());
    menü->hide();
    k->bul<QAction>("Mn_SatırEdit")->trigger();
    QCOMPARE(k->pencere.editör().satırNo(), 3);
}

// In the print layout titles are not dragged and the page records rest;
// switched off, the page records' page comes back as it was.
void PageViewTest::thePrintLayoutSwitchPlacesTitlesItselfAndGivesThePageRecordsBack() {
    k->bul<QAction>("Mn_düzen")->trigger();
    auto* görünüm = k->bul<QWidget>("Sayfa");
    auto etiketler = [&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return görünüm->findChildren<QWidget*>(QRegularExpression(QString::fromUtf8("^BaşlıkEtiketi"))).size();
    };
    const auto önce = etiketler();
    QVERIFY(önce > 0);
    auto* baskı = k->bul<QCheckBox>("BaskıDüzeni");
    QVERIFY(!baskı->isChecked());
    baskı->setChecked(true);
    QCOMPARE(etiketler(), 0);
    QVERIFY(!k->bul<QSlider>("SeviyeSürgüsü")->isEnabled());
    baskı->setChecked(false);
    QCOMPARE(etiketler(), önce);
    QVERIFY(k->bul<QSlider>("SeviyeSürgüsü")->isEnabled());
}

QTEST_MAIN(PageViewTest)
#include "page_view_test.moc"
