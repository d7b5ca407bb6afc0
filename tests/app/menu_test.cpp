#include <QMenuBar>
#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "tests/app/window_fixture.h"
#endif

using namespace selvika;

namespace {

// The menu bar in order: name, caption, whether it opens a menu.
const struct {
    const char* ad;
    const char* başlık;
    bool menülü;
} menüÇubuğu[] = {
    {"Mn_dosya", "Dosya", true},          {"Mn_görünüm", "Görünüm", true},    {"Mn_tercihler", "Tercihler", false},
    {"Mn_göster", "Göster", true},        {"Mn_mezür", "Mezür kontrol", false}, {"Mn_fontlar", "Yazı tipleri", true},
    {"Mn_donanım", "Donanım", false},     {"Mn_Usul", "Usul", false},          {"Mn_Hece", "Hece girişi", false},
    {"Mn_Edit", "Düzen", true},           {"mn_yardım", "Yardım", false},      {"Mn_Analiz", "Analiz ve Öteleme", false},
};

const char* const eserGerektirenler[] = {"Mn_kaydet", "Mn_farklı", "Mn_tercihler", "Mn_SatırEdit", "Mn_Microton",
                                        "Mn_mezür", "Mn_hecefont", "Mn_sazpayıfontu", "Mn_UsulFontu", "Mn_dolapfontu",
                                        "Mn_GüfteFontu", "Mn_donanım", "Mn_icra", "Mn_Usul", "Mn_Arıza", "Mn_Hece",
                                        "Mn_SatırKopyala", "Mn_SatırTaşı", "Mn_SatıraYapıştır", "Mn_düzen",
                                        "Mn_Kanallar", "Mn_seyir", "Mn_Heceler", "Mn_YayBombe", "Mn_başlıklar", "Mn_Analiz"};

const char* const sonrakiKomutlar[] = {
    "Mn_takıalan",
    "Mn_Elemanlar", "Mn_AyakBoyu", "Mn_Uzatma", "Mn_Takılar",
    "Mn_BosEleman", "Mn_TakıSil",
    "Mn_TakıYerleşim", "Mn_BaşkaTakı"};

}  // namespace

class MenuTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menuBarHasEveryMenuInOrder();
    void popupMenusExist();
    void commandsNeedingAScoreAreLockedUntilOneIsOpen();
    void commandsOfLaterPartsStayDisabled();
    void captionComesFromTheVersionCheck();

private:
    std::unique_ptr<test::PencereKurulumu> k;
};

void MenuTest::init() { k = std::make_unique<test::PencereKurulumu>(); }

void MenuTest::cleanup() { k.reset(); }

void MenuTest::menuBarHasEveryMenuInOrder() {
    const QList<QAction*> çubuk = k->pencere.menuBar()->actions();
    QCOMPARE(çubuk.size(), qsizetype(std::size(menüÇubuğu)));
    for (qsizetype i = 0; i < çubuk.size(); ++i) {
        QCOMPARE(çubuk[i]->objectName(), QString::fromUtf8(menüÇubuğu[i].ad));
        QCOMPARE(çubuk[i]->text(), QString::fromUtf8(menüÇubuğu[i].başlık));
        QCOMPARE(çubuk[i]->menu() != nullptr, menüÇubuğu[i].menülü);
    }
}

void MenuTest::popupMenusExist() {
    auto* kendi = k->bul<QMenu>("Mn_Kendi");
    QVERIFY(kendi);
    QStringList başlıklar;
    for (QAction* a : kendi->actions()) başlıklar << a->text();
    QCOMPARE(başlıklar, QStringList({QString::fromUtf8("Bu satırı göster"), QString::fromUtf8("Bu satırdaki notaları kopyala"),
                                     QString::fromUtf8("Bu satırdaki notaları taşı"), QString::fromUtf8("Notaları bu satıra yapıştır"),
                                     QString::fromUtf8("Bu satırı duyur"), QString::fromUtf8("İptal")}));
    auto* pasaj = k->bul<QMenu>("Mn_Pasaj");
    QCOMPARE(pasaj->actions().size(), 27);
    QVERIFY(pasaj->actions()[6]->isSeparator());
    QCOMPARE(pasaj->actions()[26]->text(), QString::fromUtf8("Yeni isim girin"));
    for (const char* ad : {"Mn_Takı", "Mn_BirimNota", "Mn_FinalModu", "Mn_Enst", "Mn_Ritm", "Mn_Kanal"}) QVERIFY(k->bul<QMenu>(ad));
    QCOMPARE(k->bul<QMenu>("Mn_Enst")->actions().size(), 11);
}

void MenuTest::commandsNeedingAScoreAreLockedUntilOneIsOpen() {
    for (const char* ad : eserGerektirenler) QVERIFY2(!k->bul<QAction>(ad)->isEnabled(), ad);
    QVERIFY(k->bul<QAction>("Mn_aç")->isEnabled());
    QVERIFY(k->bul<QAction>("Mn_çıkış")->isEnabled());
    k->örnekEseriAç();
    for (const char* ad : eserGerektirenler) QVERIFY2(k->bul<QAction>(ad)->isEnabled(), ad);
}

void MenuTest::commandsOfLaterPartsStayDisabled() {
    for (const char* ad : sonrakiKomutlar) QVERIFY2(!k->bul<QAction>(ad)->isEnabled(), ad);
    k->örnekEseriAç();
    for (const char* ad : sonrakiKomutlar) QVERIFY2(!k->bul<QAction>(ad)->isEnabled(), ad);
}

void MenuTest::captionComesFromTheVersionCheck() {
    QCOMPARE(k->pencere.windowTitle(), QString("selvika V1531"));
    k->örnekEseriAç();
    QCOMPARE(k->pencere.windowTitle(), QString("selvika V1531   (eser = V1531)"));
}

QTEST_MAIN(MenuTest)
#include "menu_test.moc"
