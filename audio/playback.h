#pragma once

#include <filesystem>
#include <string_view>

namespace selvika {

inline constexpr std::string_view sesAygıtıYok =
    "Ses çıkış aygıtı bulunamadı: seslendirmeler dosyaya yazılır ama çalınamaz.";

// What plays a rendered WAV file: open it, play from a position, tell the
// position, pause, resume, close. Only one file is open at a time.
class SesÇıkışı {
public:
    virtual ~SesÇıkışı() = default;
    // False on a machine without an audio output: nothing can be heard.
    virtual bool aygıtVar() const { return true; }
    // False when the file or the output cannot be opened; nothing plays then.
    virtual bool aç(const std::filesystem::path& dosya) = 0;
    virtual void çal(long başlangıçMs) = 0;
    virtual long konum() const = 0;  // milliseconds from the file's start
    virtual void duraklat() = 0;
    virtual void sürdür() = 0;
    virtual void kapat() = 0;  // stops and closes; harmless when nothing is open
};

// The window timer that ends the playing when the file has been heard.
class BitişZamanlayıcısı {
public:
    virtual ~BitişZamanlayıcısı() = default;
    virtual void kur(long ms) = 0;
    virtual void kaldır() = 0;
};

enum class ÇalmaDurumu { durmuş, çalıyor, duraklamış };

// The start, pause/resume and stop buttons of the output. A failed open
// changes the buttons all the same and simply plays nothing.
class Çalıcı {
public:
    Çalıcı(SesÇıkışı& çıkış, BitişZamanlayıcısı& zamanlayıcı) : çıkış_(çıkış), zamanlayıcı_(zamanlayıcı) {}

    // `but_eser_start_Click`: the file from its start, the end timer set to
    // its length; a start while playing starts again from 0.
    void başlat(const std::filesystem::path& dosya, double süreMs);
    // `but_eser_pause_Click`: pauses a playing output, resumes a paused one
    // with the end timer set to what is left.
    void duraklatVeyaSürdür();
    // `but_eser_stop_Click`, and the end timer when it fires.
    void durdur();

    ÇalmaDurumu durum() const { return durum_; }
    bool başlatılabilir() const { return durum_ == ÇalmaDurumu::durmuş; }
    // How much of the file has been played, 0 to 1, for the progress bar.
    double ilerleme() const;

private:
    SesÇıkışı& çıkış_;
    BitişZamanlayıcısı& zamanlayıcı_;
    ÇalmaDurumu durum_ = ÇalmaDurumu::durmuş;
    double süreMs_ = 0;
};

}  // namespace selvika
