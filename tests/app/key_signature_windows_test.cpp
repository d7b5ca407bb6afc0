#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/makam_list.h"
#include "app/user_signature_dialog.h"
#include "pitch/key_signatures.h"
#include "tests/app/window_fixture.h"
#endif

using namespace selvika;

class KeySignatureWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void makamListHoldsTheFortyTwoEntriesInOrder();
    void choosingAnEntryBecomesTheMenuCaption();
    void userDefinedEntryAsksFirstAndOpensTheDialogOnYes();
    void userDefinedEntryWithASignatureAsksAboutChangingIt();
    void saveStoresValuesOffsetsAndWidth();
    void clearZeroesTheBarsAndCancelKeepsTheScore();
    void dialogLoadsASavedSignature();

private:
    MakamListesi* liste() { return static_cast<MakamListesi*>(k->bul<QListWidget>("List1")); }
    KullanıcıDonanımı& kayıt() { return k->pencere.oturum().eser().başlık.donanım; }
    QScrollBar* çubuk(donanım& form, const char* harf) {
        return form.findChild<QScrollBar*>(QString("VScroll_") + harf);
    }
    void bas(donanım& form, const char* ad) { form.findChild<QPushButton*>(QString::fromUtf8(ad))->click(); }

    std::unique_ptr<test::PencereKurulumu> k;
    std::unique_ptr<GlifSayfası> glifler;
};

void KeySignatureWindowsTest::init() {
    k = std::make_unique<test::PencereKurulumu>();
    glifler = std::make_unique<GlifSayfası>(k->klasör.yol());
    k->örnekEseriAç();
}

void KeySignatureWindowsTest::cleanup() {
    glifler.reset();
    k.reset();
}

void KeySignatureWindowsTest::makamListHoldsTheFortyTwoEntriesInOrder() {
    QCOMPARE(liste()->count(), 42);
    QCOMPARE(liste()->item(0)->text(), QString("ACEMASIRAN"));
    QCOMPARE(liste()->item(18)->text(), QString("KULLANICI TANIMLI"));
    QCOMPARE(liste()->item(41)->text(), QString::fromUtf8("ZIRGÜLELI HICAZ"));
}

void KeySignatureWindowsTest::choosingAnEntryBecomesTheMenuCaption() {
    // The makam the score starts with is chosen when it opens.
    QCOMPARE(liste()->seçilenKod(), std::optional<Byte>(19));
    k->bul<QAction>("Mn_donanım")->trigger();
    liste()->List1_Click(10);
    QCOMPARE(k->bul<QAction>("Mn_donanım")->text(), QString("HICAZ"));
    QCOMPARE(liste()->seçilenKod(), std::optional<Byte>(7));
    QVERIFY(liste()->isHidden());
    QVERIFY(k->etkileşim.mesajlar.empty());
}

void KeySignatureWindowsTest::userDefinedEntryAsksFirstAndOpensTheDialogOnYes() {
    int açılış = 0;
    liste()->donanımFormuAç = [&] { ++açılış; };
    k->etkileşim.cevaplar = {Cevap::hayır, Cevap::evet};
    liste()->List1_Click(18);
    QCOMPARE(k->etkileşim.mesajlar.size(), std::size_t(1));
    const auto& soru = k->etkileşim.mesajlar[0];
    QCOMPARE(soru.metin, std::string("Kullanıcı tanımlı bir donanım bulunamadı. \n       Şimdi tanımlamak istermisiniz ?         "));
    QCOMPARE(soru.başlık, std::string("SELVİKA-Donanım"));
    QCOMPARE(soru.düğmeler, Düğmeler::evetHayır);
    QCOMPARE(açılış, 0);
    QCOMPARE(k->bul<QAction>("Mn_donanım")->text(), QString("KULLANICI TANIMLI"));
    liste()->List1_Click(18);
    QCOMPARE(açılış, 1);
}

void KeySignatureWindowsTest::userDefinedEntryWithASignatureAsksAboutChangingIt() {
    kullanıcıDonanımınıKaydet(kayıt(), {0, 4, 0, 0, 0, 0, 0});
    liste()->donanımFormuAç = [] {};
    k->etkileşim.cevaplar = {Cevap::hayır};
    liste()->List1_Click(18);
    QVERIFY(k->etkileşim.mesajlar.at(0).metin.starts_with("Kullanıcı tanımlı bir donanım bulundu."));
}

void KeySignatureWindowsTest::saveStoresValuesOffsetsAndWidth() {
    donanım form(k->pencere.oturum(), *glifler, nullptr);
    // A bar's value grows downwards: up raises.
    çubuk(form, "fa")->setValue(-4);
    çubuk(form, "mi")->setValue(4);
    QCOMPARE(form.findChild<QLineEdit*>("Text_mi")->text(), QString("-4"));
    QVERIFY(!k->pencere.oturum().değişti());
    bas(form, "KAYDET");
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(kayıt().değerler, (std::array<Integer, 7>{0, 4, -4, 0, 0, 0, 0}));
    QCOMPARE(int(kayıt().xKaymaları[std::size_t(Harf::mi)]), 0);
    QCOMPARE(int(kayıt().xKaymaları[std::size_t(Harf::fa)]), 12);
    QCOMPARE(int(kayıt().genişlik), 36);
    QCOMPARE(kayıt().işaret.utf8(), std::string("*"));
    QVERIFY(k->pencere.oturum().değişti());
}

void KeySignatureWindowsTest::clearZeroesTheBarsAndCancelKeepsTheScore() {
    donanım form(k->pencere.oturum(), *glifler, nullptr);
    çubuk(form, "la")->setValue(8);
    çubuk(form, "sol")->setValue(-8);
    bas(form, "TEMİZLE");
    QCOMPARE(form.değerler(), (std::array<Integer, 7>{}));
    QCOMPARE(form.findChild<QLineEdit*>("Text_la")->text(), QString("0"));
    çubuk(form, "re")->setValue(5);
    const KullanıcıDonanımı önce = kayıt();
    bas(form, "VAZGEÇ");
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QVERIFY(kayıt() == önce);
}

void KeySignatureWindowsTest::dialogLoadsASavedSignature() {
    kullanıcıDonanımınıKaydet(kayıt(), {0, 0, 0, 0, 3, -7, 0});
    donanım form(k->pencere.oturum(), *glifler, nullptr);
    QCOMPARE(form.değerler(), (std::array<Integer, 7>{0, 0, 0, 0, 3, -7, 0}));
    QCOMPARE(form.findChild<QLineEdit*>("Text_si")->text(), QString("-7"));
    QCOMPARE(çubuk(form, "si")->value(), 7);
    // Up raises: a step up from +3 gives +4, and the top of a bar is +8.
    QScrollBar* do_ = çubuk(form, "do");
    do_->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(form.değerler()[std::size_t(Harf::do_)], Integer(4));
    QCOMPARE(form.findChild<QLineEdit*>("Text_do")->text(), QString("4"));
    do_->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(form.değerler()[std::size_t(Harf::do_)], Integer(8));
}

QTEST_MAIN(KeySignatureWindowsTest)
#include "key_signature_windows_test.moc"
