#include <QPushButton>
#include <QLabel>
#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/tuning_window.h"
#include "audio/instruments.h"
#include "audio/playback.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika::test {
namespace {

// An output that only remembers what it was asked to play.
struct KayıtlıÇıkış : SesÇıkışı {
    std::vector<std::filesystem::path> açılan;
    int kapatılan = 0;
    bool aç(const std::filesystem::path& d) override {
        açılan.push_back(d);
        return true;
    }
    void çal(long) override {}
    long konum() const override { return 0; }
    void duraklat() override {}
    void sürdür() override {}
    void kapat() override { ++kapatılan; }
};

}  // namespace
}  // namespace selvika::test
#endif

using namespace selvika;
using namespace selvika::test;

class AudioWindowsTest : public QObject {
    Q_OBJECT
#ifndef Q_MOC_RUN
    GeçiciKlasör klasör;
    SenaryoluEtkileşim kullanıcı;
    KayıtlıÇıkış çıkış;
    AkortÇarpanları çarpanlar;

    void tıkla(QWidget& pencere, const char* ad) { pencere.findChild<QPushButton*>(ad)->click(); }
#endif

private slots:
    void tuningWindowPlaysThePerdeKeepsTheAdjustmentAndDeletesItsFile() {
        // A kanun recording of silent blocks is enough to play a preview.
        std::vector<std::uint8_t> kanun(static_cast<std::size_t>(blokUzunluğu(saz::kanun) * kayıtlıPerdeSayısı * 2));
        dosyaYaz(klasör / "KANUN.pcm", kanun);
        auto* pencere = new AkortPenceresi(klasör.yol(), çarpanlar, çıkış, kullanıcı);
        QCOMPARE(pencere->windowTitle(), QString("Selvika - Akord"));
        const Single önce = çarpanlar(saz::kanun, 12);
        tıkla(*pencere, "But_Perde_12");
        QCOMPARE(çıkış.açılan.size(), std::size_t{1});
        QVERIFY(std::filesystem::file_size(pencere->önizlemeDosyası()) > 44);
        tıkla(*pencere, "But_Ayar_3");
        QVERIFY(std::abs(çarpanlar(saz::kanun, 12) / önce - std::pow(2.0, 1 / 265.0)) < 1e-6);
        QVERIFY(pencere->findChild<QLabel*>("AkordDurumu")->text().contains("Neva"));
        QCOMPARE(çıkış.açılan.size(), std::size_t{2});
        const auto önizleme = pencere->önizlemeDosyası();
        delete pencere;
        QVERIFY(!std::filesystem::exists(önizleme));
    }

    void aMissingRecordingIsToldAndNothingPlays() {
        AkortPenceresi pencere(klasör.yol(), çarpanlar, çıkış, kullanıcı);
        const auto açılan = çıkış.açılan.size();
        tıkla(pencere, "But_Saz_2");
        tıkla(pencere, "But_Perde_5");
        QCOMPARE(kullanıcı.metinler().back(), std::string("UDOOO   dosyası bulunamadı."));
        QCOMPARE(çıkış.açılan.size(), açılan);
    }
};

QTEST_MAIN(AudioWindowsTest)
#include "audio_windows_test.moc"
