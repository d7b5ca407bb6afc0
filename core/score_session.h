#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "core/font_check.h"
#include "core/interaction.h"
#include "core/score.h"

namespace selvika {

inline constexpr const char* eserSüzgeci = "eser data dosyaları|*.EVD||";
inline constexpr const char* eserUzantısı = "EVD";
inline constexpr const char* kayıtSorusu =
    "Yazmakta olduğunuz eserde yaptığınız son değişiklikleri kaydetmek istermisiniz ?";

// Where the first save of a session keeps the previous file.
std::filesystem::path yedekYolu(const std::filesystem::path& yol);

// The one open score with its file: open, save, save as, the preferences it
// carries and the questions of closing. Everything the user is asked goes
// through the interaction.
class EserOturumu {
public:
    enum class AçmaSonucu { değişmedi, açıldı, programKapanmalı };

    // The working folder holds the preferences; the file dialogs start there.
    EserOturumu(std::filesystem::path çalışmaKlasörü, Etkileşim& etkileşim, const YazıTipiSorgusu& yazıTipleri);

    bool açık() const { return eser_ != nullptr; }
    Eser& eser() { return *eser_; }
    const Eser& eser() const { return *eser_; }
    const std::filesystem::path& yol() const { return yol_; }
    std::string eserAdı() const { return eserAdı_.trimmed(); }
    const std::filesystem::path& çalışmaKlasörü() const { return çalışmaKlasörü_; }

    // The caption the version check gives the main window.
    std::string pencereBaşlığı() const;

    bool değişti() const { return değişti_; }
    void değişikliğiBildir() { değişti_ = true; }

    // `Mn_aç_Click`: asks for a name, then opens it or starts a new score.
    AçmaSonucu aç();
    // The same for a name already chosen (the program's argument).
    AçmaSonucu aç(const std::filesystem::path& yol);

    // `Mn_kaydet_Click`: the edited line is seen to first; on failure the
    // user is told why and false returned. The first save since the file
    // was opened keeps the file it replaces as "NAME.yedek.EVD" beside it.
    bool kaydet();
    // Writes the score into its file as it is; false after telling why not.
    bool dosyayaYaz();
    // `Mn_farklı_Click`: saves a copy under another name and goes on with
    // the current file.
    void farklıKaydet();

    // The question of closing the main window; true when it may close.
    bool kapatılsınMı();

    // "Tercihlerim bu eserde ve her yeni açılan eserde geçerli olsun.": the
    // score's preference values become those of every new score.
    void tercihleriKaydet();

    // Asked before the score is saved, closed or replaced, so that the line
    // being edited is not lost unseen; false stops the command. The line
    // editor sets it.
    std::function<bool()> satırBırakılsınMı;

private:
    bool satırıBırak() { return !satırBırakılsınMı || satırBırakılsınMı(); }
    bool değişiklikleriKaydetsinMi();
    void yeniEserAç(const std::filesystem::path& yol);
    AçmaSonucu dosyadanAç(const std::filesystem::path& yol);
    void yazıTipleriniDenetle();
    void dosyayıBağla(const std::filesystem::path& yol);
    bool kaydet(const std::filesystem::path& yol, bool yedekli = false);

    std::filesystem::path çalışmaKlasörü_;
    Etkileşim& etkileşim_;
    const YazıTipiSorgusu& yazıTipleri_;
    EserPtr eser_;
    std::filesystem::path yol_;
    Text<50> eserAdı_;
    bool değişti_ = false;
    bool yedekAlındı_ = false;  // by the first save since the file was opened
};

}  // namespace selvika
