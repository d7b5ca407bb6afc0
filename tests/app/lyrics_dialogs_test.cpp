#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/lyric_block_dialog.h"
#include "app/syllable_dialog.h"
#include "tests/edit/line_builder.h"
#endif

using namespace selvika;

class LyricsDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void theBoxesShowTheVerseRowsAndEmptyABoxOfSpaces();
    void manualStoresTheBoxesAndKeepsTheFlags();
    void automaticStoresAndChoosesTheNotes();
    void cancelLeavesTheLineAlone();
    void theBlockDialogCountsWhileTyping();
    void okStoresTheFirst250CharactersAndThePage();
    void cancelLeavesTheBlockAlone();

private:
    template <class T>
    static T* bul(QWidget& w, const char* ad) {
        return w.findChild<T*>(QString::fromUtf8(ad));
    }
    void yaz(HeceGir& d, int kutu, const QString& metin) {
        bul<QLineEdit>(d, QStringLiteral("HeceKutusu_%1").arg(kutu).toUtf8().constData())->setText(metin);
    }
    static QString etiket(QWidget& w, const char* ad) { return bul<QLabel>(w, ad)->text(); }

    Satır satır;
    EserBaşlık başlık;
};

void LyricsDialogsTest::init() {
    satır = test::dizilmişSatır(3);
    satır.güfteSatırları[2] = Text<100>("ka ra");
    satır.elemanlar[2].yay[1].durum = 2;
    satır.elemanlar[1].hece = 1;
    başlık = EserBaşlık{};
}

void LyricsDialogsTest::theBoxesShowTheVerseRowsAndEmptyABoxOfSpaces() {
    HeceGir d(satır, nullptr);
    QCOMPARE(d.windowTitle(), QString::fromUtf8("Hece Girişi"));
    QCOMPARE(bul<QLineEdit>(d, "HeceKutusu_1")->text(), QString());
    QCOMPARE(bul<QLineEdit>(d, "HeceKutusu_2")->text(), QStringLiteral("ka ra"));
    QCOMPARE(bul<QPushButton>(d, "But_hece_vazgeç")->text(), QString::fromUtf8("VAZGEÇ"));
    yaz(d, 3, QStringLiteral("   "));
    QCOMPARE(bul<QLineEdit>(d, "HeceKutusu_3")->text(), QString());
}

void LyricsDialogsTest::manualStoresTheBoxesAndKeepsTheFlags() {
    HeceGir d(satır, nullptr);
    yaz(d, 1, QString::fromUtf8(" Üs kü dar "));
    bul<QPushButton>(d, "But_hece_manuel")->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(satır.güfteSatırları[1].trimmed(), std::string("Üs kü dar"));
    QCOMPARE(satır.elemanlar[1].hece, Byte(1));
    QCOMPARE(satır.elemanlar[3].hece, Byte(0));
}

void LyricsDialogsTest::automaticStoresAndChoosesTheNotes() {
    HeceGir d(satır, nullptr);
    yaz(d, 1, QStringLiteral("a b"));
    bul<QPushButton>(d, "But_hece_otomatik")->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(satır.güfteSatırları[1].trimmed(), std::string("a b"));
    QCOMPARE(satır.elemanlar[2].hece, Byte(0));
    QCOMPARE(satır.elemanlar[3].hece, Byte(1));
}

void LyricsDialogsTest::cancelLeavesTheLineAlone() {
    const Satır önce = satır;
    HeceGir d(satır, nullptr);
    yaz(d, 1, QStringLiteral("x"));
    bul<QPushButton>(d, "But_hece_vazgeç")->click();
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QVERIFY(satır == önce);
}

void LyricsDialogsTest::theBlockDialogCountsWhileTyping() {
    başlık.güfteBlokları[4].metin = Text<250>("  bir  ");
    GüfteDiyaloğu d(başlık, 4, nullptr);
    QCOMPARE(d.windowTitle(), QString::fromUtf8("4 numaralı  güfte"));
    QCOMPARE(bul<QPlainTextEdit>(d, "GüfteKutusu")->toPlainText(), QStringLiteral("bir"));
    QCOMPARE(etiket(d, "YazılanHarf"), QString::fromUtf8("yazılan harf sayısı:  3"));
    QCOMPARE(etiket(d, "KalanBoşluk"), QString::fromUtf8("kalan boşluk sayısı:  247"));
    bul<QPlainTextEdit>(d, "GüfteKutusu")->setPlainText(QString(251, QChar(u'ç')));
    QCOMPARE(etiket(d, "YazılanHarf"), QString::fromUtf8("yazılan harf sayısı:  251"));
    QCOMPARE(etiket(d, "KalanBoşluk"), QString::fromUtf8("kalan boşluk sayısı:  -1"));
}

void LyricsDialogsTest::okStoresTheFirst250CharactersAndThePage() {
    GüfteDiyaloğu d(başlık, 1, nullptr);
    bul<QPlainTextEdit>(d, "GüfteKutusu")->setPlainText(QString(251, QChar(u'ç')));
    bul<QSpinBox>(d, "SayfaKutusu")->setValue(3);
    bul<QPushButton>(d, "tamam")->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(QString::fromStdString(başlık.güfteBlokları[1].metin.trimmed()), QString(250, QChar(u'ç')));
    QCOMPARE(başlık.güfteBlokları[1].sayfa, Byte(3));
    GüfteDiyaloğu yeniden(başlık, 1, nullptr);
    QCOMPARE(etiket(yeniden, "YazılanHarf"), QString::fromUtf8("yazılan harf sayısı:  250"));
    QCOMPARE(etiket(yeniden, "KalanBoşluk"), QString::fromUtf8("kalan boşluk sayısı:  0"));
}

void LyricsDialogsTest::cancelLeavesTheBlockAlone() {
    GüfteDiyaloğu d(başlık, 2, nullptr);
    bul<QPlainTextEdit>(d, "GüfteKutusu")->setPlainText(QStringLiteral("yeni"));
    bul<QPushButton>(d, "vazgeç")->click();
    QVERIFY(başlık.güfteBlokları[2] == GüfteBloğu{});
}

QTEST_MAIN(LyricsDialogsTest)
#include "lyrics_dialogs_test.moc"
