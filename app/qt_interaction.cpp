#include "app/qt_interaction.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>

#include "app/dialog_mapping.h"
#include "app/qt_paths.h"

namespace selvika {
namespace {

QString başlıkQt(std::string_view başlık) { return başlık.empty() ? QString(programAdı) : qtMetin(başlık); }

// Qt's own dialogs, not the desktop's: the same on every desktop and
// reachable by tests.
std::optional<std::filesystem::path> dosyaSor(const DosyaSeçimi& seçim, QFileDialog::AcceptMode kip) {
    QFileDialog pencere(QApplication::activeWindow(), programAdı, qtYol(seçim.klasör));
    pencere.setOption(QFileDialog::DontUseNativeDialog);
    pencere.setAcceptMode(kip);
    pencere.setFileMode(QFileDialog::AnyFile);
    pencere.setNameFilter(süzgeçQt(seçim.süzgeç));
    pencere.setDefaultSuffix(qtMetin(seçim.uzantı));
    if (!seçim.önerilenAd.empty()) pencere.selectFile(qtMetin(seçim.önerilenAd));
    if (pencere.exec() != QDialog::Accepted || pencere.selectedFiles().isEmpty()) return std::nullopt;
    return yolQt(pencere.selectedFiles().first());
}

}  // namespace

void QtEtkileşim::uyarıSatırınıBağla(QLabel* satır) { uyarıSatırı_ = satır; }

// A warning in the warning line or in a box with only its OK button; a
// question sounds nothing.
void QtEtkileşim::uyar() {
    if (uyarıSesiVar && !uyarıSesiVar()) return;
    if (bip)
        bip();
    else
        QApplication::beep();
}

void QtEtkileşim::ikazYaz(std::string_view metin) {
    if (uyarıSatırı_) uyarıSatırı_->setText(qtMetin(metin));
    uyar();
}

Cevap QtEtkileşim::mesaj(std::string_view metin, std::string_view başlık, Düğmeler düğmeler) {
    QMessageBox kutu(QMessageBox::NoIcon, başlıkQt(başlık), qtMetin(metin), düğmelerQt(düğmeler),
                     QApplication::activeWindow());
    if (düğmeler == Düğmeler::tamam) uyar();
    kutu.exec();
    return cevapQt(düğmeler, kutu.standardButton(kutu.clickedButton()));
}

std::optional<std::string> QtEtkileşim::girdi(std::string_view soru, std::string_view başlık,
                                             std::string_view varsayılan) {
    bool tamam = false;
    QString cevap = QInputDialog::getText(QApplication::activeWindow(), başlıkQt(başlık), qtMetin(soru),
                                          QLineEdit::Normal, qtMetin(varsayılan), &tamam);
    if (!tamam) return std::nullopt;
    return cevap.toStdString();
}

std::optional<std::filesystem::path> QtEtkileşim::açılacakDosya(const DosyaSeçimi& seçim) {
    return dosyaSor(seçim, QFileDialog::AcceptOpen);
}

std::optional<std::filesystem::path> QtEtkileşim::kaydedilecekDosya(const DosyaSeçimi& seçim) {
    return dosyaSor(seçim, QFileDialog::AcceptSave);
}

}  // namespace selvika
