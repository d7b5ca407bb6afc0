#pragma once

#include <QMainWindow>
#include <filesystem>
#include <string>
#include <vector>

#include "app/menus.h"
#include "core/line_editor.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;

namespace selvika {

class SatırPaneli;

// The main window: it owns the one open score for the whole run and leads
// to every command through its menus.
class ARAYÜZ : public QMainWindow {
public:
    ARAYÜZ(std::filesystem::path programKlasörü, Etkileşim& etkileşim, const YazıTipiSorgusu& yazıTipleri,
           YedekHalkası& halka);

    EserOturumu& oturum() { return oturum_; }
    SatırEditörü& editör() { return editör_; }
    QLabel* uyarıSatırı() const { return uyarıSatırı_; }
    void hatırlatmaDoldur(const std::vector<std::string>& satırlar);

    // Opening a named score, as with the program's argument.
    void aç(const std::filesystem::path& yol);

protected:
    void closeEvent(QCloseEvent* olay) override;

private:
    void arayüzüKur();
    void satırAlanınıKur(QWidget& alan);
    void komutlarıBağla();
    void kısayollarıKur();
    void açıldıysa(EserOturumu::AçmaSonucu sonuç);
    void satıraGit(int n);
    void Mn_aç_Click();
    void Mn_tercihler_Click();

    std::filesystem::path programKlasörü_;
    EserOturumu oturum_;
    SatırEditörü editör_;
    Menüler menüler_;
    SatırPaneli* panel_ = nullptr;
    QScrollBar* VScroll1_ = nullptr;
    QLineEdit* satırNoKutusu_ = nullptr;
    QListWidget* Hatırlatma_ = nullptr;
    QLabel* uyarıSatırı_ = nullptr;
    int menüSatırı_ = 0;  // the line whose pop-up menu is open
    bool sormadanKapat_ = false;
};

}  // namespace selvika
