#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

// moc reads only ASCII names: it is kept out of the engine's headers.
#ifndef Q_MOC_RUN
#include "app/midi_window.h"
#include "app/tuning_window.h"
#include "audio/instruments.h"
#include "tests/app/recording_output.h"
#include "tests/support/score_fixtures.h"
#include "tests/support/scripted_interaction.h"

namespace selvika::test {
namespace {

// Two outputs that write down what they are sent; the second cannot open.
struct KayıtlıAygıtlar : MidiAygıtSeçimi {
    struct Port : MidiPortu {
        std::vector<Long>& giden;
        explicit Port(std::vector<Long>& g) : giden(g) {}
        void gönder(Long m) override { giden.push_back(m); }
    };
    std::vector<std::string> adlar_ = {"Sentezleyici", "Bozuk"};
    std::vector<Long>& giden;
    std::unique_ptr<Port> port_;
    explicit KayıtlıAygıtlar(std::vector<Long>& g) : giden(g) {}
    const std::vector<std::string>& adlar() const override { return adlar_; }
    std::optional<std::string> aç(int sıra) override {
        port_.reset();
        if (sıra == 1) return "aygıt meşgul";
        port_ = std::make_unique<Port>(giden);
        return std::nullopt;
    }
    void kapat() override { port_.reset(); }
    MidiPortu* port() override { return port_.get(); }
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

    void midiWindowPlaysOnATimerAndStopsCleanly() {
        std::vector<Long> giden;
        MidiPenceresi pencere(std::make_unique<KayıtlıAygıtlar>(giden),
                              {{0, perdeBük(0, 7282)}, {0, notaAç(0, 69)}, {60, notaKapat(0, 69)},
                               {60, perdeBük(0, 8192)}, {60, notaAç(0, 71)}, {5000, notaKapat(0, 71)}},
                              kullanıcı);
        QCOMPARE(pencere.windowTitle(), QString("Selvika - Midi"));
        QCOMPARE(giden, (std::vector<Long>{perdeBük(0, 8192), programDeğiştir(0, 0)}));
        auto* sesler = pencere.findChild<QComboBox*>("MidiSesleri");
        sesler->setCurrentIndex(3);
        emit sesler->activated(3);
        QCOMPARE(giden.back(), programDeğiştir(0, 73));  // "flüt"
        giden.clear();
        tıkla(pencere, "yürüt");
        QVERIFY(pencere.çalıyor());
        QTRY_COMPARE(giden.size(), std::size_t{5});  // the first note has ended, the second sounds
        tıkla(pencere, "durdur");
        QVERIFY(!pencere.çalıyor());
        QCOMPARE(giden.back(), notaKapat(0, 71));
        emit pencere.findChild<QComboBox*>("MidiAygıtları")->activated(1);
        QCOMPARE(kullanıcı.metinler().back(), std::string("aygıt meşgul"));
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
