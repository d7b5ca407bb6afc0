#pragma once

#include <QMainWindow>
#include <QPointer>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "analysis/cins_library.h"
#include "app/font_menu.h"
#include "app/menus.h"
#include "app/palette.h"
#include "audio/playback.h"
#include "core/line_editor.h"
#include "core/preferences.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;
class QVBoxLayout;

namespace selvika {

class AnalizPenceresi;
class AralıkAraçları;
class SürüklenenEtiketler;
class Fareİmleci;
class BaskılarGörünümü;
struct EditörDurumu;
class HızlıDüzeltmeler;
class İcraPaneli;
class ModDüğmeleri;
class MakamListesi;
class SatırPaneli;
class SayfaGörünümü;
class UsulListesi;
class YayTutamakları;

// The main window: it owns the one open score for the whole run and leads
// to every command through its menus.
class ARAYÜZ : public QMainWindow {
public:
    // The data files are read from the program folder; what the program writes
    // for itself goes to the working folder. The renderings are heard on
    // `çıkış`, by default the system's audio output.
    ARAYÜZ(std::filesystem::path programKlasörü, const std::filesystem::path& çalışmaKlasörü, Etkileşim& etkileşim,
           const YazıTipiSorgusu& yazıTipleri, YedekHalkası& halka, std::unique_ptr<SesÇıkışı> çıkış = nullptr);
    ~ARAYÜZ() override;

    EserOturumu& oturum() { return oturum_; }
    YazıTipiMenüsü& yazıTipiMenüsü() { return yazıTipiMenüsü_; }
    SatırEditörü& editör() { return editör_; }
    QLabel* uyarıSatırı() const { return uyarıSatırı_; }
    // The open score's preferences, a new score's while none is open.
    TercihKaydı tercihler() const;
    void hatırlatmaDoldur(const std::vector<std::string>& satırlar);

    // Opening a named score, as with the program's argument.
    void aç(const std::filesystem::path& yol);
    // Opening the score of a line a killed run had not stored, on that line
    // with its last snapshot as an edit not stored.
    void kurtar(const KurtarılanSatır& kurtarılan);

protected:
    void closeEvent(QCloseEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void arayüzüKur(std::unique_ptr<SesÇıkışı> çıkış);
    void satırAlanınıKur(QWidget& alan);
    void araçlarıKur(QWidget& merkez, QVBoxLayout& düzen);
    void komutlarıBağla();
    void araçKomutlarınıBağla();
    void aralıkAraçlarınıKur();
    void tuşDurumunuBağla(EditörDurumu& durum, const ModDüğmeleri& modlar);
    void Mn_Hece_Click();
    void satırDüzenlendi();
    void icraKipiniKur(QVBoxLayout& düzen, std::unique_ptr<SesÇıkışı> çıkış);
    void icraKipiDeğişti(bool açık);
    void kısayollarıKur();
    void açıldıysa(EserOturumu::AçmaSonucu sonuç);
    void eserBaşınıSeç();
    void satırÇubuğuDeğişti();
    void satıraGit(int n);
    void satırdaKal();
    void satırıTazele();
    void sayfayıTazele();
    void satırMenüsü(int satır, QPoint nerede);
    void Mn_aç_Click();
    void Mn_tercihler_Click();
    void görünümüYenile();
    void Mn_düzen_Click();
    void Mn_Analiz_Click();
    void Mn_baskılar_Click();

    std::filesystem::path programKlasörü_;
    Etkileşim& etkileşim_;
    EserOturumu oturum_;
    SatırEditörü editör_;
    Menüler menüler_;
    GlifSayfası glifler_;
    CinsKütüphanesi cinsler_;  // loaded at start-up, kept for the run
    YazıTipiMenüsü yazıTipiMenüsü_;
    SatırPaneli* panel_ = nullptr;
    Fareİmleci* fareİmleci_ = nullptr;
    SayfaGörünümü* sayfaGörünümü_ = nullptr;
    QPointer<AnalizPenceresi> analiz_;
    QWidget* araçlar_ = nullptr;  // the palette and the quick corrections, with a line
    ElemanPaleti* Picture2_ = nullptr;
    AralıkAraçları* aralıkAraçları_ = nullptr;
    HızlıDüzeltmeler* düzeltmeler_ = nullptr;
    MakamListesi* List1_ = nullptr;
    UsulListesi* List2_ = nullptr;
    BaskılarGörünümü* baskılar_ = nullptr;
    İcraPaneli* icra_ = nullptr;
    std::unique_ptr<SürüklenenEtiketler> arızaKonumları_;
    std::unique_ptr<SürüklenenEtiketler> heceKonumları_;
    std::unique_ptr<YayTutamakları> yayTutamakları_;
    QScrollBar* VScroll1_ = nullptr;
    QLineEdit* satırNoKutusu_ = nullptr;
    QListWidget* Hatırlatma_ = nullptr;
    QLabel* uyarıSatırı_ = nullptr;
    int menüSatırı_ = 0;  // the line whose pop-up menu is open
    bool sormadanKapat_ = false;
    bool tuşİletiliyor_ = false;
};

}  // namespace selvika
