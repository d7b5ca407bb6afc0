#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>
#include <vector>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/line_panel.h"
#include "app/preferences_dialog.h"
#include "core/preferences_file.h"
#include "pitch/key_signatures.h"
#include "tests/app/window_fixture.h"
#endif

using namespace selvika;

namespace {

struct Tıklama {
    QString ad;
    std::function<int(const EserBaşlık&)> alan;
    int beklenen;
};

std::vector<Tıklama> tıklamalar() {
    std::vector<Tıklama> t = {
        {"Option2", [](const EserBaşlık& b) { return int(b.bayraklar.trioleGörünümü.value); }, 0},
        {"Option1", [](const EserBaşlık& b) { return int(b.bayraklar.trioleGörünümü.value); }, -1},
        {"GüfteYeri_1", [](const EserBaşlık& b) { return int(b.bayraklar.güfteYeri); }, 1},
        {"GüfteYeri_0", [](const EserBaşlık& b) { return int(b.bayraklar.güfteYeri); }, 0},
    };
    for (int i = 0; i < 3; ++i)
        t.push_back({QString::fromUtf8("Fareİmleci_%1").arg(i),
                     [](const EserBaşlık& b) { return int(b.ayarlar.fareİmleci); }, i});
    for (int i = 0; i < 5; ++i) {
        t.push_back({QString("Çizgi_%1").arg(i), [](const EserBaşlık& b) { return int(b.görünümSeçimleri.a); }, i});
        t.push_back({QString("Çizgi_%1").arg(10 + i), [](const EserBaşlık& b) { return int(b.görünümSeçimleri.b); }, i});
        t.push_back({QString("Çizgi_%1").arg(20 + i), [](const EserBaşlık& b) { return int(b.görünümSeçimleri.c); }, i});
    }
    for (int i = 1; i <= 3; ++i) {
        t.push_back({QString::fromUtf8("Kalınlık_%1").arg(i), [](const EserBaşlık& b) { return int(b.ayarlar.liezonKalınlığı1); }, i});
        t.push_back({QString::fromUtf8("Kalınlık_%1").arg(10 + i), [](const EserBaşlık& b) { return int(b.ayarlar.liezonKalınlığı2); }, i});
    }
    return t;
}

}  // namespace

class PreferencesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void titleAndCaptions();
    void eachOptionWritesItsHeaderValueAtOnce();
    void checkBoxesWriteTheirFlags();
    void dialogIsSetFromTheHeader();
    void storeButtonWritesPreferencesFile();
    void okButtonLeavesPreferencesFileUnchanged();
    void eachChoiceHasItsOwnPicture();
    void clicksRedrawTheLineThePageAndTheCursorAtOnce();
    void cursorOverTheEditingArea();
    void ledgerLinesAtTheMouseAboveAndBelowTheStaff();
    void theMouseDoesNotRepeatTheDrawingsWarnings();

private:
    template <class T>
    T* bul(const char* ad) { return dialog->findChild<T*>(QString::fromUtf8(ad)); }
    EserBaşlık& başlık() { return k->pencere.oturum().eser().başlık; }
    QWidget* resim() { return k->bul<QWidget>("Picture1"); }
    QImage resimÇizimi() { return resim()->grab().toImage(); }
    // The mouse moved over the editing area.
    void fare(QPoint yer) {
        QMouseEvent olay(QEvent::MouseMove, yer, resim()->mapToGlobal(yer), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(resim(), &olay);
    }

    std::unique_ptr<test::PencereKurulumu> k;
    std::unique_ptr<konfig> dialog;
};

void PreferencesTest::init() {
    k = std::make_unique<test::PencereKurulumu>();
    k->pencere.show();
    k->örnekEseriAç();
    dialog = std::make_unique<konfig>(k->pencere.oturum(), &k->pencere);
}

void PreferencesTest::cleanup() {
    dialog.reset();
    k.reset();
}

void PreferencesTest::titleAndCaptions() {
    QCOMPARE(dialog->windowTitle(), QString::fromUtf8("SELVİKA le  yazarken  tercihleriniz"));
    QStringList çerçeveler;
    for (auto* g : dialog->findChildren<QGroupBox*>()) çerçeveler << g->title();
    for (const char* ad : {"Triole", "Fare imleci", "Dolap çizgileri", "Saz payı çizgileri", "Hece devam çizgileri",
                           "Liezon kalınlıkları", "baskıda", "ekranda", "Notaya göre güftenin yeri"})
        QVERIFY2(çerçeveler.contains(QString::fromUtf8(ad)), ad);
    QCOMPARE(bul<QRadioButton>("Fareİmleci_0")->text(), QString::fromUtf8("Nota ismleri"));
    QCOMPARE(bul<QRadioButton>("Fareİmleci_1")->text(), QString::fromUtf8("Yuvarlak hedef"));
    QCOMPARE(bul<QRadioButton>("Fareİmleci_2")->text(), QString::fromUtf8("normal + imleç"));
    QCOMPARE(bul<QCheckBox>("NormalModaDön")->text(), QString::fromUtf8("İşlem modu her işlemden sonra normal mod'a dönsün"));
    QCOMPARE(bul<QCheckBox>("EkÇizgileriGöster")->text(), QString::fromUtf8("Fare ucunda ek çizgileri göster"));
    QCOMPARE(bul<QCheckBox>("UyarıSesleri")->text(), QString::fromUtf8("proğram uyarı sesleri duyulsun"));
    QCOMPARE(bul<QPushButton>("CmdKaydet")->text(), QString::fromUtf8("Tercihlerim bu eserde ve her yeni açılan eserde geçerli olsun."));
    QCOMPARE(bul<QPushButton>("CmdTamam")->text(), QString::fromUtf8("Tercihlerim sadece bu eserde geçerli olsun"));
    QVERIFY(!bul<QRadioButton>("Çizgi_0")->icon().isNull());
}

void PreferencesTest::eachOptionWritesItsHeaderValueAtOnce() {
    for (const Tıklama& t : tıklamalar()) {
        auto* düğme = dialog->findChild<QRadioButton*>(t.ad);
        QVERIFY2(düğme, qPrintable(t.ad));
        düğme->click();
        QVERIFY2(düğme->isChecked(), qPrintable(t.ad));
        QCOMPARE(t.alan(başlık()), t.beklenen);
    }
    QVERIFY(k->pencere.oturum().değişti());
}

void PreferencesTest::checkBoxesWriteTheirFlags() {
    auto* kutu = bul<QCheckBox>("UyarıSesleri");
    const bool önce = bool(başlık().bayraklar.uyarıSesleri);
    kutu->click();
    QCOMPARE(bool(başlık().bayraklar.uyarıSesleri), !önce);
    bul<QCheckBox>("NormalModaDön")->click();
    QCOMPARE(bul<QCheckBox>("NormalModaDön")->isChecked(), bool(başlık().bayraklar.normalModaDön));
    bul<QCheckBox>("EkÇizgileriGöster")->click();
    QCOMPARE(bul<QCheckBox>("EkÇizgileriGöster")->isChecked(), bool(başlık().bayraklar.ekÇizgileriGöster));
    QVERIFY(k->pencere.oturum().değişti());
}

void PreferencesTest::dialogIsSetFromTheHeader() {
    EserBaşlık& b = k->pencere.oturum().eser().başlık;
    b.görünümSeçimleri = {.c = 4, .b = 2, .a = 3};
    b.ayarlar = {.liezonKalınlığı1 = 3, .liezonKalınlığı2 = 1, .fareİmleci = 2};
    b.bayraklar.trioleGörünümü = false;
    b.bayraklar.uyarıSesleri = false;
    konfig yeni(k->pencere.oturum(), &k->pencere);
    auto işaretli = [&](const char* ad) { return yeni.findChild<QAbstractButton*>(QString::fromUtf8(ad))->isChecked(); };
    for (const char* ad : {"Çizgi_3", "Çizgi_12", "Çizgi_24", "Kalınlık_3", "Kalınlık_11", "Fareİmleci_2", "Option2"}) QVERIFY2(işaretli(ad), ad);
    QVERIFY(!işaretli("Option1"));
    QVERIFY(!işaretli("UyarıSesleri"));
    QVERIFY(!k->pencere.oturum().değişti());
}

void PreferencesTest::storeButtonWritesPreferencesFile() {
    bul<QRadioButton>("Çizgi_13")->click();
    bul<QRadioButton>("GüfteYeri_1")->click();
    bul<QRadioButton>("Kalınlık_12")->click();
    bul<QPushButton>("CmdKaydet")->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(std::filesystem::exists(k->klasör / "Tercih.dat"));
    const TercihKaydı yazılan = tercihleriOku(k->klasör.yol());
    QCOMPARE(int(yazılan.görünümSeçimleri.b), 3);
    QCOMPARE(int(yazılan.ayarlar.liezonKalınlığı2), 2);
    QCOMPARE(int(yazılan.güfteYeri), 1);
    QVERIFY(yazılan == başlıktakiTercihler(başlık()));
}

void PreferencesTest::okButtonLeavesPreferencesFileUnchanged() {
    tercihleriYaz(k->klasör.yol(), varsayılanTercihler());
    const auto önce = test::dosyaBaytları(k->klasör / "Tercih.dat");
    bul<QRadioButton>("Çizgi_4")->click();
    bul<QPushButton>("CmdTamam")->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(int(başlık().görünümSeçimleri.a), 4);
    QVERIFY(test::dosyaBaytları(k->klasör / "Tercih.dat") == önce);
}

void PreferencesTest::eachChoiceHasItsOwnPicture() {
    for (auto* çerçeve : dialog->findChildren<QGroupBox*>()) {
        QList<QImage> resimler;
        for (auto* düğme : çerçeve->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            if (!düğme->icon().isNull()) resimler << düğme->icon().pixmap(düğme->iconSize()).toImage();
        for (qsizetype i = 0; i < resimler.size(); ++i)
            for (qsizetype j = i + 1; j < resimler.size(); ++j) QVERIFY2(resimler[i] != resimler[j], qPrintable(çerçeve->title()));
    }
}

// Through the menu, as the user does: every click shows at once.
void PreferencesTest::clicksRedrawTheLineThePageAndTheCursorAtOnce() {
    Satır& tampon = k->pencere.editör().tampon();
    tampon.elemanlar[1].dolap.dolap = 1;
    tampon.elemanlar[3].dolap.dolap = 3;
    k->pencere.findChild<SatırPaneli*>("SatırPaneli")->yenidenÇiz();
    k->bul<QAction>("Mn_düzen")->trigger();
    auto şerit = [this] { return k->bul<QWidget>("Şerit")->grab().toImage(); };
    const QImage satırÖnce = resimÇizimi(), şeritÖnce = şerit();
    QImage satırArada, şeritArada;
    Qt::CursorShape imleç{};
    QTimer::singleShot(0, [&] {
        QWidget* pencere = QApplication::activeModalWidget();
        pencere->findChild<QRadioButton*>(QString::fromUtf8("Çizgi_2"))->click();
        satırArada = resimÇizimi();
        pencere->findChild<QRadioButton*>(QString::fromUtf8("GüfteYeri_1"))->click();
        şeritArada = şerit();
        pencere->findChild<QRadioButton*>(QString::fromUtf8("Fareİmleci_2"))->click();
        imleç = resim()->cursor().shape();
        pencere->findChild<QPushButton*>("CmdTamam")->click();
    });
    k->bul<QAction>("Mn_tercihler")->trigger();
    QVERIFY2(satırArada != satırÖnce, "the volta is dotted");
    QVERIFY2(şeritArada != şeritÖnce, "the syllables of the stored lines start at their heads");
    QCOMPARE(imleç, Qt::ArrowCursor);
}

void PreferencesTest::cursorOverTheEditingArea() {
    auto imleç = [&](Byte stil, int y) {
        başlık().ayarlar.fareİmleci = stil;
        fare({300, y});
        return resim()->cursor();
    };
    QCOMPARE(imleç(2, 60).shape(), Qt::ArrowCursor);
    QCOMPARE(imleç(1, 60).shape(), Qt::BitmapCursor);
    QCOMPARE(imleç(1, 60).pixmap().toImage(), imleç(1, 70).pixmap().toImage());
    QCOMPARE(imleç(0, 60).shape(), Qt::BitmapCursor);
    QVERIFY2(imleç(0, 60).pixmap().toImage() != imleç(0, 70).pixmap().toImage(), "Acem, then Neva");
    QVERIFY(imleç(0, 60).pixmap().toImage() != imleç(1, 60).pixmap().toImage());
}

void PreferencesTest::ledgerLinesAtTheMouseAboveAndBelowTheStaff() {
    auto çizim = [&](bool göster, QPoint yer) {
        başlık().bayraklar.ekÇizgileriGöster = göster;
        fare(yer);
        return resimÇizimi();
    };
    for (int y : {15, 150}) QVERIFY2(çizim(true, {1000, y}) != çizim(false, {1000, y}), qPrintable(QString::number(y)));
    QCOMPARE(çizim(true, {1000, 80}), çizim(false, {1000, 80}));
}

// A line whose drawing warns (a user key signature the score lacks) warns
// once, not with every move of the mouse.
void PreferencesTest::theMouseDoesNotRepeatTheDrawingsWarnings() {
    başlık().donanım = {};
    Eleman& e = k->pencere.editör().tampon().elemanlar[1];
    e.tür = tür::donanım;
    e.usulNo = kullanıcıTanımlı;
    k->pencere.findChild<SatırPaneli*>("SatırPaneli")->yenidenÇiz();
    resimÇizimi();
    const auto uyarılar = k->etkileşim.ikazlar.size();
    QVERIFY(uyarılar > 0);
    for (int y : {15, 20, 150}) {
        fare({1000, y});
        resimÇizimi();
    }
    QCOMPARE(k->etkileşim.ikazlar.size(), uyarılar);
}

QTEST_MAIN(PreferencesTest)
#include "preferences_test.moc"
