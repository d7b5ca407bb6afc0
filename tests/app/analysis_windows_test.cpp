#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "analysis/cins_profile.h"
#include "app/analysis_window.h"
#include "app/cins_editor.h"
#include "app/cins_profile_view.h"
#include "app/qt_paths.h"
#include "app/signature_preview.h"
#include "tests/app/window_fixture.h"
#endif

using namespace selvika;

class AnalysisWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void shortFirstLineRefusesTheWindow();
    void shiftButtonsNameTheShiftAndRedrawTheSignature();
    void cinsEditorListsTheDefaultLibraryOfAFreshFolder();
    void clickInAColumnStoresTheValueAndSaveWritesTheLibrary();
    void pointerFrameShowsKomaAndCent();

private:
    AnalizPenceresi* analiz() { return k->pencere.findChild<AnalizPenceresi*>("Analiz"); }
    QString etiket(QWidget& w, const char* ad) { return w.findChild<QLabel*>(QString::fromUtf8(ad))->text(); }
    void bas(QWidget& w, const char* ad) { w.findChild<QPushButton*>(QString::fromUtf8(ad))->click(); }
    std::unique_ptr<FormCins> cinsEditörü();

    std::unique_ptr<test::PencereKurulumu> k;
    CinsKütüphanesi cinsler;
};

void AnalysisWindowsTest::init() { k = std::make_unique<test::PencereKurulumu>(); }

void AnalysisWindowsTest::cleanup() { k.reset(); }

void AnalysisWindowsTest::shortFirstLineRefusesTheWindow() {
    k->örnekEseriAç([](Eser& eser) { eser.satırlar[1].elemanSayısı = 9; });
    k->bul<QAction>("Mn_Analiz")->trigger();
    QVERIFY(!analiz());
    QCOMPARE(k->etkileşim.metinler(), std::vector<std::string>{"eserin ilk satırında yeterli nota yok."});
}

void AnalysisWindowsTest::shiftButtonsNameTheShiftAndRedrawTheSignature() {
    k->örnekEseriAç(test::planlıÖrnek);  // MAHUR on every line
    k->bul<QAction>("Mn_Analiz")->trigger();
    QVERIFY(analiz());
    QVERIFY(k->etkileşim.mesajlar.empty());
    auto* yeni = analiz()->findChild<DonanımÖnizlemesi*>("YeniDonanım");
    QCOMPARE(etiket(*analiz(), "ötelemeEtiketi"), QString("Bolahenk"));
    const Donanım mahur = {0, 5, 0, 0, 0, 0, 0};
    QCOMPARE(yeni->değerler(), mahur);
    bas(*analiz(), "Command1_2");
    QCOMPARE(etiket(*analiz(), "ötelemeEtiketi"), QString("-1"));
    QCOMPARE(yeni->değerler(), mahur);
    bas(*analiz(), "Command1_4");
    QCOMPARE(etiket(*analiz(), "ötelemeEtiketi"), QString::fromUtf8("Sipürde"));
    QCOMPARE(yeni->değerler(), yeniDonanım(mahur, 9));
    const auto png = k->klasör / "analiz.png";
    k->etkileşim.dosyalar.push_back(png);
    bas(*analiz(), "But_ResimKaydet");
    QVERIFY(QImage(qtYol(png)).width() > 0);
}

std::unique_ptr<FormCins> AnalysisWindowsTest::cinsEditörü() {
    const auto dosya = k->klasör / std::string(cinsDosyaAdı);
    cinsler = cinsleriOku(dosya, k->etkileşim);
    auto form = std::make_unique<FormCins>(cinsler, dosya, k->etkileşim, nullptr);
    form->show();
    return form;
}

void AnalysisWindowsTest::cinsEditorListsTheDefaultLibraryOfAFreshFolder() {
    auto form = cinsEditörü();
    auto* liste = form->findChild<QListWidget*>("CinsListesi");
    QCOMPARE(liste->count(), cinsSayısı);
    QCOMPARE(liste->item(0)->text(), QString::fromUtf8("Uşşak"));
    QCOMPARE(liste->item(1)->text(), QString("Hicaz"));
    QCOMPARE(liste->item(49)->text(), QString("49"));
    bas(*form, "But_CinsTamam");  // nothing is selected: nothing is written
    QVERIFY(!std::filesystem::exists(k->klasör / std::string(cinsDosyaAdı)));
}

void AnalysisWindowsTest::clickInAColumnStoresTheValueAndSaveWritesTheLibrary() {
    auto form = cinsEditörü();
    form->findChild<QListWidget*>("CinsListesi")->setCurrentRow(2);
    auto* resim = form->findChild<CinsResmi*>("PicCins");
    QTest::mouseClick(resim, Qt::LeftButton, {}, resim->ekranda(QPointF(cinsSütunX(3), 430)).toPoint());
    QCOMPARE(cinsler[2].değerler[3], Integer(15));
    bas(*form, "But_CinsTamam");
    QCOMPARE(std::filesystem::file_size(k->klasör / std::string(cinsDosyaAdı)), std::uintmax_t(1800));
    cinsler[2].değerler[3] = 0;
    bas(*form, "But_CinsVazgec");
    QCOMPARE(cinsler[2].değerler[3], Integer(15));
}

void AnalysisWindowsTest::pointerFrameShowsKomaAndCent() {
    auto form = cinsEditörü();
    auto* resim = form->findChild<CinsResmi*>("PicCins");
    const QPointF nokta = resim->ekranda(QPointF(cinsSütunX(4), cinsTabanı - 150));
    QMouseEvent hareket(QEvent::MouseMove, nokta, resim->mapToGlobal(nokta), Qt::NoButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(resim, &hareket);
    QCOMPARE(etiket(*form, "LabelKoma"), QString("010.00 koma    "));
    QCOMPARE(etiket(*form, "LabelCent"), QString("226.42 cent"));
}

QTEST_MAIN(AnalysisWindowsTest)
#include "analysis_windows_test.moc"
