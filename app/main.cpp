// Selvika's start-up: one program per working folder, the splash, the
// screen, the undo ring and the character table, then the main window, which
// first offers to bring back what a killed run had not stored.
#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <optional>
#include <utility>

#include "app/line_drawing.h"
#include "app/main_window.h"
#include "app/qt_fonts.h"
#include "app/qt_interaction.h"
#include "app/qt_paths.h"
#include "app/qt_translations.h"
#include "app/splash.h"
#include "core/file_io.h"
#include "core/glyph_table.h"
#include "core/startup.h"
#include "core/working_folder.h"

namespace {

constexpr int başlatılmadı = 1;

bool ekranYeter() {
    const QSize boyut = QGuiApplication::primaryScreen()->size();
    return selvika::ekranYeterli(boyut.width(), boyut.height());
}

// The working folder with the one-run lock held in it, or nothing after
// telling the user why not.
std::optional<std::pair<std::filesystem::path, selvika::TekÇalışmaKilidi>> kilitAl(
    const std::filesystem::path& programKlasörü, selvika::Etkileşim& etkileşim) {
    try {
        std::filesystem::path klasör = selvika::çalışmaKlasörü(programKlasörü);
        auto kilit = selvika::TekÇalışmaKilidi::al(klasör);
        if (!kilit) {
            etkileşim.mesaj(selvika::zatenÇalışıyor);
            return std::nullopt;
        }
        return std::pair(std::move(klasör), std::move(*kilit));
    } catch (const selvika::DosyaHatası& hata) {
        etkileşim.mesaj(hata.what());
        return std::nullopt;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace selvika;
    QApplication uygulama(argc, argv);
    qtÇevirileriniYükle(uygulama);
    QtEtkileşim qtEtkileşim;
    Etkileşim& etkileşim = qtEtkileşim;

    const std::filesystem::path klasör = yolQt(QCoreApplication::applicationDirPath());
    // The argument is named from where the user started the program.
    const std::optional<std::filesystem::path> eser =
        argc == 2 ? std::optional(std::filesystem::absolute(yolQt(QString::fromLocal8Bit(argv[1])))) : std::nullopt;
    QDir::setCurrent(qtYol(klasör));
    auto kilit = kilitAl(klasör, etkileşim);
    if (!kilit) return başlatılmadı;
    const std::filesystem::path& çalışma = kilit->first;
    QPointer<frmSplash> splash = new frmSplash;
    splash->show();

    if (!ekranYeter()) {
        etkileşim.mesaj(ekranKüçük);
        return başlatılmadı;
    }
    // The ring a killed run left behind, read before this run's replaces it.
    const std::optional<KurtarılanSatır> kurtarılan = YedekHalkası::kurtar(çalışma / yedekDosyası);
    std::unique_ptr<YedekHalkası> halka;
    try {
        halka = std::make_unique<YedekHalkası>(çalışma / yedekDosyası);
    } catch (const DosyaHatası& hata) {
        etkileşim.mesaj(hata.what());
        return başlatılmadı;
    }
    KarakterTablosu karakterler;
    std::string neden;
    if (!karakterTablosunuOku(klasör / karakterDosyası, karakterler, &neden) || !programGlifleri(&neden)) {
        etkileşim.mesaj(neden);
        return başlatılmadı;
    }

    QtYazıTipleri yazıTipleri;
    ARAYÜZ pencere(klasör, çalışma, etkileşim, yazıTipleri, *halka);
    qtEtkileşim.uyarıSatırınıBağla(pencere.uyarıSatırı());
    qtEtkileşim.uyarıSesiVar = [&pencere] { return bool(pencere.tercihler().uyarıSesleri); };
    pencere.hatırlatmaDoldur(hatırlatmaListesi());
    // The whole screen, so the reminder list has room; set by hand as well,
    // for a desktop without a window manager to maximise it.
    pencere.resize(pencere.screen()->availableGeometry().size());
    pencere.showMaximized();
    if (splash) splash->raise();
    QTimer::singleShot(0, &pencere, [&] {
        if (kurtarılan && etkileşim.mesaj(kurtarmaSorusu(*kurtarılan), kurtarmaBaşlığı, Düğmeler::evetHayır) == Cevap::evet)
            pencere.kurtar(*kurtarılan);
        else if (eser)
            pencere.aç(*eser);
    });
    return uygulama.exec();
}
